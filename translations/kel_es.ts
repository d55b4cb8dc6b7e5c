<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
    <context>
        <name>AboutKel</name>
        <message>
            <source>Version %1</source>
            <translation>Versión %1</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>La información del sistema no está disponible en este momento</translation>
        </message>
    </context>
    <context>
        <name>CircuitLaunchers</name>
        <message>
            <source>No EMF </source>
            <translation>Sin fem </translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sin fem</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Fem constante </translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Fem constante</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Fem alterna</translation>
        </message>
    </context>
    <context>
        <name>EquationsText</name>
        <message>
            <source>Differential equation</source>
            <translation>Ecuación diferencial</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Condiciones iniciales</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Régimen</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sin resistencia el circuito oscila sin amortiguamiento a ω0.</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Subamortiguado (α &lt; ω0): la carga oscila a ωd dentro de una envolvente decreciente.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Amortiguamiento crítico (α = ω0): el retorno más rápido sin oscilación.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Sobreamortiguado (α &gt; ω0): dos tasas de decaimiento reales.</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Régimen estacionario: K·cos ωt + S·sin ωt, la respuesta a la frecuencia angular ω de la fuente.</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solución</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Estos valores no dan ninguna curva: un divisor es cero o L·C no es positivo.</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Amortiguamiento crítico: el programa usa la forma límite (A + B·t)·e^(−αt), en la que las dos tasas coinciden.</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Cerca del amortiguamiento crítico el programa escribe las dos exponenciales como cosh y sinh, que enlazan suavemente con la forma crítica en lugar de cancelarse.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>La tasa más cercana a cero sale de s1·s2 = ω0², sin la cancelación de −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Cerca de la resonancia los términos estacionario y transitorio son grandes y casi opuestos; el programa calcula la misma curva como respuesta desde el reposo, escrita con (1 − e^(−z))/z, la forma límite que sigue siendo exacta en resonancia.</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>En resonancia (ω = ω0) el término forzado crece linealmente con t: el límite de la forma fuera de resonancia.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>El programa calcula la diferencia de los dos senos como un producto con sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exacto también en resonancia y cerca de ella.</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuito RC sin fuente</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>Circuito RC con fuente constante</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuito RL sin fuente</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>Circuito RL con fuente constante</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuito LC sin fuente</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>Circuito LC con fuente constante</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuito RLC sin fuente</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuito RLC con fuente constante</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuito LC con fuente alterna</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuito RC con fuente alterna</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuito RL con fuente alterna</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuito RLC con fuente alterna</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Ningún circuito</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Ecuaciones</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>El texto de %1 no es un número.</translation>
        </message>
    </context>
    <context>
        <name>GraphDescription</name>
        <message>
            <source>charge</source>
            <translation>carga</translation>
        </message>
        <message>
            <source>current</source>
            <translation>corriente</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tensión de la fuente</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>azul</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rojo</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>Circuito RC</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>Circuito RL</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>Circuito LC</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>Circuito RLC</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Ningún circuito</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Carga q</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Corriente i</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tensión de la fuente</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>No hay curvas trazadas.</translation>
        </message>
        <message>
            <source>%1 (%2, %3)</source>
            <translation>%1 (%2, %3)</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>línea discontinua</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>línea continua</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Curvas: %1.</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Tiempo de %1 a %2 s, valores de %3 a %4.</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Trazados: %1.</translation>
        </message>
        <message>
            <source>%1 %2 %3</source>
            <translation>%1 %2 %3</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor en t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor en t = %1 s: %2.</translation>
        </message>
    </context>
    <context>
        <name>LabStatus</name>
        <message>
            <source>undefined</source>
            <translation>indefinido</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 no es un número</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, valor %3 … %4</translation>
        </message>
        <message>
            <source>t = %1 s, value = %2</source>
            <translation>t = %1 s, valor = %2</translation>
        </message>
    </context>
    <context>
        <name>LabWindow</name>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Haga clic aquí para leer el tiempo, la corriente y la carga</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Gráficas</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Carga q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Marcar para dibujar la carga en función del tiempo</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Corriente i(t)</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Marcar para dibujar la corriente en función del tiempo</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensiones</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tensión fuente v(t)</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tensión en la resistencia</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tensión en el condensador</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tensión en la bobina</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Valores</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tiempo</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Carga</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Corr.</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Carga inicial en culombios</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Corriente inicial en amperios</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Corrientes</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Corriente en la resistencia</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Corriente en el condensador</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Corriente en la bobina</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguna</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>C.C.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>C.A.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>El tipo de fuente de tensión elegido</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>La frecuencia de la fuente de excitación</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parámetros</translation>
        </message>
        <message>
            <source>Voltage Source</source>
            <translation>Fuente</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitud </translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frecuencia </translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = frecuencia natural</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Borrar gráficas</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Escala</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Dibujar gráficas</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Guardar gráfica...</translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Copiar gráfica</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Guardar datos como CSV...</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Resistencia R en ohmios</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacidad C en faradios</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductancia L en henrios</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tensión o amplitud de la fuente v0 en voltios</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Frecuencia de la fuente f0 en hercios</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Carga inicial q0 en culombios</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Corriente inicial i0 en amperios</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Dibujar la carga en función del tiempo</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Dibujar la corriente en función del tiempo</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Dibujar la tensión de la fuente en función del tiempo</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Tiempo leído, en segundos</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Carga leída, en culombios</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Corriente leída, en amperios</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Tipo de fuente</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Frecuencia angular w0 en radianes por segundo</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Gráfica en función del tiempo</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Incluir el cursor en las imágenes</translation>
        </message>
    </context>
    <context>
        <name>NumberText</name>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Escriba un punto decimal, como en %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Escriba un punto decimal, como en 1.5.</translation>
        </message>
    </context>
    <context>
        <name>PhasorsWindow</name>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tensión en la resistencia</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tensión en el condensador</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tensión en la bobina</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tensión total en LCR </translation>
        </message>
        <message>
            <source>R =</source>
            <translation>R =</translation>
        </message>
        <message>
            <source>C =</source>
            <translation>C =</translation>
        </message>
        <message>
            <source>L =</source>
            <translation>L =</translation>
        </message>
        <message>
            <source>Vmax =</source>
            <translation>Vmax =</translation>
        </message>
        <message>
            <source>f =</source>
            <translation>f =</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Resistencia R en ohmios</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacidad C en faradios</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductancia L en henrios</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitud de la fuente Vmax en voltios</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Frecuencia de la fuente f en hercios</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Tiempo en segundos</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Número de ciclos</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Barra de tiempo</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Mostrar la tensión en la resistencia</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Mostrar la tensión en el condensador</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Mostrar la tensión en la bobina</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Mostrar la tensión total</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Proyecciones de los fasores</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitud de la tensión en la resistencia en voltios</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tensión en la resistencia en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitud de la tensión en el condensador en voltios</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tensión en el condensador en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitud de la tensión en la bobina en voltios</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tensión en la bobina en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tensión total en ese instante, en voltios</translation>
        </message>
    </context>
    <context>
        <name>RegimeText</name>
        <message>
            <source>undefined</source>
            <translation>indefinido</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>sin fuente</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fuente de continua</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fuente de alterna</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>sobreamortiguado: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>amortiguamiento crítico: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>subamortiguado: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>régimen indefinido para estos valores</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de tiempo τ = RC = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de tiempo τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscilación no amortiguada: ω₀ = %1 rad/s, periodo T = %2 s</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>en resonancia: ω = ω₀ = %1 rad/s, la amplitud crece linealmente</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>fuera de resonancia: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
    </context>
    <context>
        <name>StartupText</name>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>No hay traducción a "%1"; el programa sigue en inglés.</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" muestra las opciones.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>No hay ninguna pantalla en la que mostrar las ventanas (no está definida ni DISPLAY ni WAYLAND_DISPLAY). Para escribir las imágenes de un experimento sin ella: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>No se puede abrir el experimento %1. %2</translation>
        </message>
    </context>
    <context>
        <name>WorksheetCommands</name>
        <message>
            <source>Worksheet Task…</source>
            <translation>Tarea de la hoja…</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimir hoja de trabajo…</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Guardar hoja de trabajo como PDF…</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>La tarea impresa en la hoja, para los estudiantes:</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Tarea de la hoja</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimir hoja de trabajo</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Guardar hoja de trabajo como PDF</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>Documento PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>WorksheetPage</name>
        <message>
            <source>Parameters</source>
            <translation>Parámetros</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Hoja de trabajo</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Hoja de trabajo: %1</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Tarea</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Ecuaciones</translation>
        </message>
    </context>
    <context>
        <name>kel::about::AboutKel</name>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Este es un trabajo en curso. Se creó de madrugada, el 18 de marzo de 1998. ¡Úselo con cuidado! – Revisado el 22 de marzo de 1998.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Info del &amp;sistema...</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Acerca de %1</translation>
        </message>
    </context>
    <context>
        <name>kel::display</name>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>El archivo supera los %1 MB: es demasiado grande para un experimento.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::AxisNumbers</name>
        <message>
            <source>View</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Números de los ejes</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentFile</name>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>El archivo no es un experimento: no es JSON (%1 en el carácter %2).</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>El archivo no es un experimento: no contiene ningún objeto JSON.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>El archivo no es un experimento del Laboratorio Kel (su "format" no es "kel-experiment").</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>El experimento se guardó con una versión más reciente del Laboratorio Kel (formato de archivo %1; esta versión lee hasta %2).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>El archivo no existe.</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>La tarea del experimento tiene %1 caracteres; se leen como máximo %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentMenu</name>
        <message>
            <source>Experiment</source>
            <translation>Experimento</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Abrir experimento...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Guardar experimento</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Guardar experimento como...</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Experimentos recientes</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>No se puede abrir el experimento %1. %2</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Abrir experimento</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>El experimento %1 es para otra ventana.</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Experimento Kel (*.kel);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>No se pudo guardar el archivo %1: %2.</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Guardar experimento como</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Experimento Kel (*.kel)</translation>
        </message>
    </context>
    <context>
        <name>kel::display::JsonReader</name>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>Al experimento le falta la entrada %1.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>El experimento tiene una entrada %1 que esta versión no conoce.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>La entrada %1 no es un grupo de entradas entre llaves.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>La entrada %1 no es un texto entre comillas.</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>El texto %1 de %2 no es un número.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>La entrada %1 no es un número entero.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>La entrada %1 es %2; debe estar entre %3 y %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>La entrada %1 no es true ni false.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>La entrada %1 es %2, que no es ninguno de %3.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>La entrada %1 no es una lista entre corchetes.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>La lista %1 contiene %2, que no es ninguno de %3.</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>una entrada que no es un nombre</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>La lista %1 contiene %2 dos veces.</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergySession</name>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Elija primero un circuito en el menú principal.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Con estos parámetros el circuito no tiene energía finita en el intervalo de tiempo de la gráfica.</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance energético %6</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Balance W_C + W_L + W_R − W_S = %1, desviación máxima %2</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergyWindow</name>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C condensador</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L bobina</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R calor en la resistencia</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S trabajo de la fuente</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energía</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Haga clic, o use Izquierda y Derecha, para leer las energías en un instante</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energías en función del tiempo</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Guardar datos...</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Guardar imagen...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>La energía en el condensador W_C, en la bobina W_L, el calor en la resistencia W_R y el trabajo de la fuente W_S de t = %1 s a %2 s. %3</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Guardar datos</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Guardar imagen</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>kel::lab</name>
        <message>
            <source>Input Error</source>
            <translation>Error de entrada</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Estos parámetros no dan un valor finito de la carga o la corriente en t = %1 s. No se ha dibujado nada.</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 está fuera del intervalo que este programa puede dibujar: su valor absoluto debe estar entre %2 y %3. No se ha dibujado nada.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>En la escala %1, x1 es igual a x2.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::EquationsWindow</name>
        <message>
            <source>Equations</source>
            <translation>Ecuaciones</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Copiar como LaTeX</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabExperiment</name>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>La entrada "lab.launcher" es %1, que no corresponde a ningún botón de circuito.</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>La entrada "lab.circuit" es %1, pero el botón %2 elige el circuito %3.</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>El botón %1 dibuja el marco de la escala actual, así que "lab.frame" no puede ser "fixed".</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>El experimento tiene %1 gráficas; se leen como máximo %2.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>La medición es del circuito %1, pero el botón %2 del laboratorio elige el circuito %3.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabSession</name>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Error: %1 es demasiado grande para la gráfica. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Error: %1 no es un número. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Error en los datos</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>El texto de %1 no es un número.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valores de los parámetros incorrectos</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>El texto de Tiempo no es un número.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Estos parámetros no dan un valor finito de la corriente o la carga en este instante.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabWindow</name>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Laboratorio de circuitos Kel para Dax 202</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Introduzca el valor mínimo de t</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valor mínimo de t</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Introduzca el valor máximo de t</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valor máximo de t</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Error: x1 = x2. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Error en los datos</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Introduzca el valor mínimo del eje vertical</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valor mínimo del eje vertical</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Introduzca el valor máximo del eje vertical</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valor máximo del eje vertical</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Error: y1 = y2. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Esta gráfica puede ser inexacta a frecuencias altas, porque se dibuja con pocos puntos</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Aviso sobre la gráfica</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Guardar gráfica</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>No hay datos dibujados que guardar. Elija primero Dibujar gráficas.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Guardar datos como CSV</translation>
        </message>
        <message>
            <source>t (s)</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>q (C)</source>
            <translation>q (C)</translation>
        </message>
        <message>
            <source>i (A)</source>
            <translation>i (A)</translation>
        </message>
        <message>
            <source>v (V)</source>
            <translation>v (V)</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabla CSV (*.csv)</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Ecuaciones</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de resonancia</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medición</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Abrir medición...</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energía</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Respuesta en frecuencia</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referencia</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratorio de circuitos</translation>
        </message>
        <message>
            <source>t = %1 s</source>
            <translation>t = %1 s</translation>
        </message>
        <message>
            <source>q = %1 C</source>
            <translation>q = %1 C</translation>
        </message>
        <message>
            <source>i = %1 A</source>
            <translation>i = %1 A</translation>
        </message>
        <message>
            <source>Read-out: %1</source>
            <translation>Lectura: %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Respecto a la referencia: %1</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>el registro de la medición contiene %1 valores, tiempos incluidos, y un experimento guarda como máximo %2; abra primero un registro más corto en la ventana de medición</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement</name>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>La entrada %1 no es el texto base64 de %2 muestras.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>La muestra %1 de %2 no es un número finito.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>La lista %1 nombra %2, que el circuito %3 no tiene.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>La lista %1 tiene %2 parámetros; el circuito %3 tiene %4.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>La entrada %1 es %2; el circuito %3 tiene %4 en ese lugar.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementExperiment</name>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>La lista %1 tiene %2 columnas; una medición tiene de 1 a %3.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>La medición tiene %1 muestras; necesita al menos %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>La medición contiene %1 valores, tiempos incluidos; un experimento guarda como máximo %2.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>La muestra %1 de %2 no es posterior a la anterior.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>La ventana de ajuste de %1 a %2 no es un intervalo de los tiempos del registro.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementWindow</name>
        <message>
            <source>Recording graph</source>
            <translation>Gráfica del registro</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>&amp;Abrir registro...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Cerrar</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Canal</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tensión del condensador vC = q/C</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tensión de la resistencia vR = R·i</translation>
        </message>
        <message>
            <source>inductor voltage vL</source>
            <translation>tensión de la bobina vL</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>corriente i</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>carga q</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;olumna:</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Medido:</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajustar &amp;desde (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajustar &amp;hasta (s):</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Parámetros libres</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>A&amp;justar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>&amp;Aplicar al laboratorio</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Abrir medición</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Registros (*.csv *.txt *.tsv *.dat);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>Se canceló la lectura de %1.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 no se puede abrir como registro.
%2</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>No se puede leer el archivo (%1).</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Tiene %1 bytes; un registro puede tener como máximo %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Tiene %1 filas; un registro puede tener como máximo %2.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>No es texto: la línea %1 contiene un carácter de control en el byte %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Está vacío.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>La línea %1 tiene una sola columna; un registro necesita un tiempo y un valor.</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>La línea %1 tiene %2 columnas de valores; se leen cuatro como máximo.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Línea %1, columna %2: la fila no tiene las %3 columnas de la primera.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Línea %1, columna %2: «%3» no es un número.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Línea %1, columna %2: «%3» no es un número finito.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Línea %1, columna %2: el tiempo %3 no es posterior al anterior.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Línea %1: solo %2 muestras; se necesitan al menos 3.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Línea %1, columna %2: «%3» no es un tiempo inicial o un incremento utilizable.</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajustar desde</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajustar hasta</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>El texto de «%1» no es un número en segundos.</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medición</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>La ventana de ajuste de %1 s a %2 s no contiene ningún tiempo del registro.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Elija primero un circuito en el laboratorio.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>El circuito del laboratorio no tiene esa magnitud: elija lo que midió la columna.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>La casilla de un parámetro fijo en el laboratorio no es un número: escriba allí su valor o márquelo como libre.</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajuste</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>El ajuste se canceló.</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Medición - %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Registro: %1, %2 muestras</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Ningún registro abierto.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Elija un circuito en el laboratorio: sus valores son los valores iniciales y fijos del ajuste.</translation>
        </message>
        <message>
            <source>%1 = %2 %3</source>
            <translation>%1 = %2 %3</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(no es un número)</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuito del laboratorio %1: %2</translation>
        </message>
        <message>
            <source>%1 = %2 %3 (held)</source>
            <translation>%1 = %2 %3 (fijo)</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: no determinado por estos datos</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Residuo cuadrático medio %1, %2 puntos%3</translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sin convergencia</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 y %2 están correlacionados (%3).</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Estos datos no pueden distinguir %1; fije %2 en un valor conocido y ajuste de nuevo.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>La ventana de ajuste contiene muy pocas muestras para los parámetros libres.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Marque al menos un parámetro para ajustar.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Un R, L, C o f0 fijo debe ser un número positivo en el laboratorio.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>El circuito del laboratorio no tiene esa magnitud.</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Ningún circuito de este tipo se ajusta a estas muestras.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>No se muestra ningún registro.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 puntos de %2 de %3 s a %4 s; ventana de ajuste de %5 s a %6 s.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Sin curva del modelo: al circuito del laboratorio le falta un valor o esta magnitud.</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Curva del modelo del circuito ajustado. Resultado del ajuste: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Curva del modelo del circuito del laboratorio, aún sin ajustar.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Registro: %1</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::RecordingGraph</name>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Abra un registro (Ctrl+O) para ver aquí sus muestras.</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Residuos</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor</name>
        <message>
            <source>Phasors</source>
            <translation>Fasores</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Tensiones en función del tiempo</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Haga clic para redibujar en este instante</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Proyecciones</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Superpone líneas horizontales para ver la proyección sobre el eje vertical.</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Barra</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Nº de ciclos</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Número de ciclos que muestran las gráficas de tensión</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Gráficas mostradas</translation>
        </message>
        <message>
            <source>Vmax</source>
            <translation>Vmax</translation>
        </message>
        <message>
            <source>v(t)</source>
            <translation>v(t)</translation>
        </message>
        <message>
            <source>Toggle to set display of this voltage</source>
            <translation>Mostrar u ocultar esta tensión</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagrama fasorial</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Gráfica de tensión en función del tiempo</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 no es un número</translation>
        </message>
        <message>
            <source>f must not be 0</source>
            <translation>f no debe ser 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>El número de ciclos no debe ser 0</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>El número de ciclos debe ser mayor que 0</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: la corriente sería infinita</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>los valores son demasiado grandes para dibujarlos</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>todas las amplitudes son 0: nada que dibujar</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nº de ciclos / f es demasiado largo o corto para dibujar</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>El texto de %1 no es un número.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>La frecuencia f no debe ser 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>El número de ciclos no debe ser 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>El número de ciclos debe ser mayor que 0: con 0 ciclos o menos no queda tiempo que dibujar.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>La impedancia es 0 (R es 0 y las reactancias de L y C se anulan), así que la corriente sería infinita. Cambie R, C, L o f.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Los valores de R, C, L, Vmax y f dan tensiones demasiado grandes para dibujarlas.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>La mayor amplitud de tensión es 0 (VRmax, VCmax, VLmax y Vmax son todas 0 o menos), así que no hay nada que dibujar. Introduzca un Vmax positivo.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>El intervalo dibujado, Nº de ciclos / f, es demasiado largo o demasiado corto para dibujarlo.</translation>
        </message>
        <message>
            <source>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</source>
            <translation>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</translation>
        </message>
        <message>
            <source>t = %1 s, v = %2 V</source>
            <translation>t = %1 s, v = %2 V</translation>
        </message>
        <message>
            <source>VR</source>
            <translation>VR</translation>
        </message>
        <message>
            <source>VC</source>
            <translation>VC</translation>
        </message>
        <message>
            <source>VL</source>
            <translation>VL</translation>
        </message>
        <message>
            <source>V total</source>
            <translation>V total</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>azul</translation>
        </message>
        <message>
            <source>green</source>
            <translation>verde</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rojo</translation>
        </message>
        <message>
            <source>black</source>
            <translation>negro</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 se dibuja en %2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 en %2</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tensión frente al tiempo de %1 a %2 s, de %3 a %4 V: %5.</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>ninguna tensión mostrada</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Marca en t2 = %1 s.</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tensión frente al tiempo: vacío. Elija «Dibujar».</translation>
        </message>
        <message>
            <source>%1 %2 V at %3°</source>
            <translation>%1 %2 V a %3°</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Fasores en t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagrama fasorial: vacío. Elija «Dibujar».</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsAnimator</name>
        <message>
            <source>Pause</source>
            <translation>Pausa</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproducir</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Reproduciendo a %1×</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>En pausa a %1×</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsWindow</name>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagramas fasoriales</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Dibujar</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Borrar gráficas</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Guardar imagen...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagen</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Guardar datos como CSV...</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animar</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproducir</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Más lento</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Más rápido</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Reiniciar</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Error de entrada</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>El texto de Tiempo no es un número.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>El tiempo está demasiado lejos del intervalo dibujado.</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Guardar imagen</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>No hay tensiones dibujadas que guardar. Elija primero Dibujar.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Guardar datos como CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabla CSV (*.csv)</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referencia</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuito en serie, fuente alterna</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Ciclos</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>En t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResonanceWindow</name>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de resonancia</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Haga clic para poner la fuente a esta frecuencia</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitud y fase de la corriente en función de la frecuencia</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frecuencia f (escala logarítmica)</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitud de la corriente I₀</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>fase φ</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>frecuencia de resonancia f₀</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>frecuencia de la fuente f</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>banda de potencia mitad</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Guardar imagen...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagen</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Guardar datos como CSV...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Frecuencia de resonancia f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Factor de calidad Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Fuente f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>La frecuencia de la fuente f = %1 no está en el eje de frecuencias.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>La amplitud de la fuente</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>La frecuencia de la fuente</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 «%2» no es un número.</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: sin resistencia, Q es infinito y la corriente en resonancia no tiene límite. Dé a R un valor mayor que 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R es negativa: dé a R un valor mayor que 0.</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L debe ser mayor que 0 para que el circuito entre en resonancia.</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C debe ser mayor que 0 para que el circuito entre en resonancia (C = 0 significa que no hay condensador).</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Estos valores dan frecuencias o corrientes demasiado grandes o pequeñas para dibujarlas.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>La banda de potencia mitad es demasiado estrecha para calcularla: Q es demasiado grande. Dé a R un valor mayor.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>La imagen muestra los últimos valores que se pudieron dibujar.</translation>
        </message>
        <message>
            <source>f = %1   I₀ = %2   φ = %3</source>
            <translation>f = %1   I₀ = %2   φ = %3</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Guardar imagen</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Todavía no hay ninguna curva que guardar.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Guardar datos como CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabla CSV (*.csv)</translation>
        </message>
        <message>
            <source>f (Hz)</source>
            <translation>f (Hz)</translation>
        </message>
        <message>
            <source>I0 (A)</source>
            <translation>I0 (A)</translation>
        </message>
        <message>
            <source>phi (rad)</source>
            <translation>phi (rad)</translation>
        </message>
        <message>
            <source>Bandwidth Δf = R/(2πL) = %1</source>
            <translation>Ancho de banda Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Banda de potencia mitad (sombreada): de %1 a %2, donde I₀ = I₀max/√2 y φ = ±45°</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Arriba: amplitud de la corriente I₀ de %1 a %2.
Abajo: fase φ de −90° a +90°, líneas grises en ±45°.
Haga clic en una frecuencia, o pulse Izquierda o Derecha, para poner la fuente en ella.</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Respuesta en frecuencia</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Magnitud y fase en función de la frecuencia</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Magnitud:</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Magnitud mostrada</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Haga clic en una frecuencia, o pulse Izquierda o Derecha, para poner la fuente en ella.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Un circuito sin L y C a la vez no tiene resonancia.</translation>
        </message>
        <message>
            <source>f = %1   |H| = %2 dB   φ = %3</source>
            <translation>f = %1   |H| = %2 dB   φ = %3</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>magnitud |H| en dB</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>corte a −3 dB (a trazos) y nivel</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>banda entre los cortes</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>asíntotas (a trazos)</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pico de la magnitud</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Páginas</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>El circuito LC no tiene resistencia: Q es infinito y la corriente en resonancia no tiene límite, así que no hay curva que dibujar. La página Respuesta en frecuencia muestra su respuesta.</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResponseSession</name>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L y C deben ser números positivos para una respuesta en frecuencia.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Una respuesta en frecuencia necesita un circuito con fuente alterna.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Estos valores dan frecuencias demasiado grandes o demasiado pequeñas para dibujarlas.</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tensión en R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tensión en C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tensión en L (V_L/V)</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Corriente (I/V, dB ref. 1 A/V)</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Frecuencia de corte a −3 dB: ninguna</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Corte(s) a −3 dB: %1</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Banda entre ellos (sombreada): ancho %1</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asíntotas: %1 dB/década por debajo, %2 dB/década por encima</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Frecuencia de resonancia f₀ = %1</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pico de %1: %2 dB a %3</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 no tiene pico: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pico: %1 dB a %2</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Fuente f = %1: %2 dB, fase %3</translation>
        </message>
    </context>
    <context>
        <name>kel::shell</name>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit necesita el circuito y la magnitud (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>El circuito %1 no es uno de rc, rl, lc, rlc, solo o con -dc o -ac.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>La magnitud %1 no es una de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>El circuito %1 no tiene %2.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 no es NOMBRE=VALOR con NOMBRE uno de R, L, C, v0, f0, q0, i0 y VALOR un número, por ejemplo --fix C=1e-6.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>El circuito %1 no tiene el parámetro %2.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>El parámetro %1 se fija más de una vez.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>El %1 fijado debe ser mayor que 0.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>El tiempo %1 de --%2 no es un número de segundos.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>La ventana de tiempo de %1 s a %2 s está vacía.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>El canal %1 no es un número de columna desde 1.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>El ajuste se canceló.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>El circuito no tiene esa magnitud.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>La ventana de tiempo contiene muy pocas muestras para los parámetros que ajustar.</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Todos los parámetros están fijados; no hay nada que ajustar.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Las muestras contienen un valor que no es un número finito.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Un valor fijado no es un número que el circuito pueda tener.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>La solución del circuito no tiene un valor finito para estas muestras; el ajuste no es posible.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuito %1, magnitud %2, %3 puntos</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>El ajuste convergió.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>El ajuste no convergió.</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Residuo cuadrático medio: %1</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parámetro</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incertidumbre</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>no determinado</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fijado</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Los datos no pueden determinar %1; fije %2 (--fix NOMBRE=VALOR) para determinar los demás.</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 y %2 están correlacionados: %3.</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>La grabación no tiene el canal %1; tiene %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::CommandLine</name>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Laboratorio Kel: la carga, la corriente y las tensiones exactas de los circuitos RC, RL, LC y RLC en serie, y los fasores de un circuito RLC forzado.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Muestra la versión del programa.</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Muestra el programa en el idioma CODE (de, en, es, fr, pt_BR) en lugar del del sistema.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Escribe la imagen del experimento como PNG en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Escribe la imagen del experimento como SVG en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Escribe los puntos de la última gráfica del experimento como CSV en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Ajusta el PNG a WxH píxeles (por ejemplo 1600x1200) sin cambiar sus proporciones.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>El experimento que se abrirá.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>La opción --%1 aparece más de una vez.</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Indique un solo archivo de experimento, no %1.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>La opción --%1 necesita un valor.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>El tamaño "%1" no es ANCHOxALTO en píxeles de 1 a %2, por ejemplo 1600x1200.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>La opción --size fija el tamaño de --export-png; indique ambas.</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>Para exportar hace falta el archivo del experimento (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajusta la solución exacta del circuito a la grabación FILE y escribe cada valor con su incertidumbre, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lee una grabación por sí solo; no indique con él ningún archivo de experimento ni exportación.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>La opción --fit necesita un valor.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>La opción --%1 va con --fit.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>La opción --fix va con --fit.</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Escribe las energías del circuito del experimento (t,W_C,W_L,W_R,W_S) como CSV en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Escribe la hoja de trabajo del experimento (circuito, parámetros, gráfica, ecuaciones y tarea en una página, con el experimento adjunto) como PDF en FILE, sin mostrar ninguna ventana.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::ExportRun</name>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Este programa no puede abrir la ventana del experimento.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>El experimento no tiene ninguna gráfica cuyos puntos se puedan escribir.</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>El circuito del experimento no tiene energías que puedan escribirse.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>La ventana del experimento no tiene hoja de trabajo.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::FitOptions</name>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Con --fit: el circuito, uno de rc, rl, lc, rlc, solo (sin fuente) o con -dc o -ac.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Con --fit: lo que midió el canal, vC, vR, vL, i o q.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Con --fit: fija un parámetro (R, L, C, v0, f0, q0, i0) en un valor en unidades SI; todos los demás se ajustan.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Con --fit: ajusta las muestras desde este tiempo, en segundos.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Con --fit: ajusta las muestras hasta este tiempo, en segundos.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Con --fit: la columna de valores que ajustar, 1 por omisión.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Con --fit: escribe el resultado como un objeto JSON.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::MainMenu</name>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Laboratorio Kel para Dax 202</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Laboratorio Kel</translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sin fuente</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Fuente continua</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Fuente alterna</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sin fuente de fem</translation>
        </message>
        <message>
            <source>with a constant (DC) emf source</source>
            <translation>con una fuente de fem constante (CC)</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>con una fuente de fem alterna</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Estudiar solo circuitos %1 %2</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>Circuitos RC</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>Circuitos RL</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>Circuitos LC</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Circuitos Kel</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Fasores</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Abre la herramienta para estudiar diagramas fasoriales y relaciones de fase</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>¡Sale del programa!</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sin fuente de fem</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fuente de continua</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fuente de alterna</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuito en serie: fuente de fem E, resistencia R, condensador C e inductor L</translation>
        </message>
    </context>
    <context>
        <name>SourceText</name>
        <message>
            <source>%1 %2 %3</source>
            <translation>%1 %2 %3</translation>
        </message>
        <message>
            <source>%1 %2 V at %3°</source>
            <translation>%1 %2 V a %3°</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>%1 (%2, %3)</source>
            <translation>%1 (%2, %3)</translation>
        </message>
        <message>
            <source>%1 = %2 %3</source>
            <translation>%1 = %2 %3</translation>
        </message>
        <message>
            <source>%1 = %2 %3 (held)</source>
            <translation>%1 = %2 %3 (fijo)</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 y %2 están correlacionados (%3).</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 y %2 están correlacionados: %3.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 no se puede abrir como registro.
%2</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 no tiene pico: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 en %2</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 se dibuja en %2</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 no es un número</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 está fuera del intervalo que este programa puede dibujar: su valor absoluto debe estar entre %2 y %3. No se ha dibujado nada.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 puntos de %2 de %3 s a %4 s; ventana de ajuste de %5 s a %6 s.</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 «%2» no es un número.</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: no determinado por estos datos</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>&amp;Aplicar al laboratorio</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Cerrar</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Medido:</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>&amp;Abrir registro...</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Info del &amp;sistema...</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(no es un número)</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sin convergencia</translation>
        </message>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit necesita el circuito y la magnitud (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lee una grabación por sí solo; no indique con él ningún archivo de experimento ni exportación.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 no es NOMBRE=VALOR con NOMBRE uno de R, L, C, v0, f0, q0, i0 y VALOR un número, por ejemplo --fix C=1e-6.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Un circuito sin L y C a la vez no tiene resonancia.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Un valor fijado no es un número que el circuito pueda tener.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Una respuesta en frecuencia necesita un circuito con fuente alterna.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Un R, L, C o f0 fijo debe ser un número positivo en el laboratorio.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>La casilla de un parámetro fijo en el laboratorio no es un número: escriba allí su valor o márquelo como libre.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>C.A.</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Fuente alterna</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fuente de alterna</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Acerca de %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Respecto a la referencia: %1</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Fem alterna</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitud </translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitud de la tensión en el condensador en voltios</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitud de la tensión en la bobina en voltios</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitud de la tensión en la resistencia en voltios</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Frecuencia angular w0 en radianes por segundo</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animar</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asíntotas: %1 dB/década por debajo, %2 dB/década por encima</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>En resonancia (ω = ω0) el término forzado crece linealmente con t: el límite de la forma fuera de resonancia.</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>En t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Números de los ejes</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Balance W_C + W_L + W_R − W_S = %1, desviación máxima %2</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Banda entre ellos (sombreada): ancho %1</translation>
        </message>
        <message>
            <source>Bandwidth Δf = R/(2πL) = %1</source>
            <translation>Ancho de banda Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Abre la herramienta para estudiar diagramas fasoriales y relaciones de fase</translation>
        </message>
        <message>
            <source>C =</source>
            <translation>C =</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C debe ser mayor que 0 para que el circuito entre en resonancia (C = 0 significa que no hay condensador).</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;olumna:</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabla CSV (*.csv)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacidad C en faradios</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Corriente en el condensador</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tensión en el condensador</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tensión en el condensador en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Canal</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Carga</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Carga q</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Carga q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Marcar para dibujar la carga en función del tiempo</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Marcar para dibujar la corriente en función del tiempo</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Elija primero un circuito en el laboratorio.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Elija un circuito en el laboratorio: sus valores son los valores iniciales y fijos del ajuste.</translation>
        </message>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Elija primero un circuito en el menú principal.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuito %1, magnitud %2, %3 puntos</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratorio de circuitos</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Borrar gráficas</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Haga clic en una frecuencia, o pulse Izquierda o Derecha, para poner la fuente en ella.</translation>
        </message>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Haga clic aquí para leer el tiempo, la corriente y la carga</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Haga clic para redibujar en este instante</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Haga clic para poner la fuente a esta frecuencia</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Haga clic, o use Izquierda y Derecha, para leer las energías en un instante</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Cerca del amortiguamiento crítico el programa escribe las dos exponenciales como cosh y sinh, que enlazan suavemente con la forma crítica en lugar de cancelarse.</translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Fem constante</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Fem constante </translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Copiar gráfica</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagen</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Copiar como LaTeX</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Amortiguamiento crítico: el programa usa la forma límite (A + B·t)·e^(−αt), en la que las dos tasas coinciden.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Amortiguamiento crítico (α = ω0): el retorno más rápido sin oscilación.</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Corr.</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Corriente (I/V, dB ref. 1 A/V)</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitud y fase de la corriente en función de la frecuencia</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Corriente i</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Corriente i(t)</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Corrientes</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor en t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor en t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Curvas: %1.</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Ciclos</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>C.C.</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Fuente continua</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fuente de continua</translation>
        </message>
        <message>
            <source>Differential equation</source>
            <translation>Ecuación diferencial</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energías en función del tiempo</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energía</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Introduzca el valor máximo de t</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Introduzca el valor máximo del eje vertical</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Introduzca el valor mínimo de t</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Introduzca el valor mínimo del eje vertical</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Ecuaciones</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Error en los datos</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Error: %1 no es un número. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Error: %1 es demasiado grande para la gráfica. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Error: x1 = x2. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Error: y1 = y2. Inténtelo de nuevo</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Todos los parámetros están fijados; no hay nada que ajustar.</translation>
        </message>
        <message>
            <source>Experiment</source>
            <translation>Experimento</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>Para exportar hace falta el archivo del experimento (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>A&amp;justar</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Más rápido</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajuste</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajustar &amp;desde (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajustar &amp;hasta (s):</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajustar desde</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajustar hasta</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Ajusta el PNG a WxH píxeles (por ejemplo 1600x1200) sin cambiar sus proporciones.</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajusta la solución exacta del circuito a la grabación FILE y escribe cada valor con su incertidumbre, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Parámetros libres</translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frecuencia </translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Respuesta en frecuencia</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frecuencia f (escala logarítmica)</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Indique un solo archivo de experimento, no %1.</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Escala</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Gráficas</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Gráfica en función del tiempo</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Aviso sobre la gráfica</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Gráficas mostradas</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Banda de potencia mitad (sombreada): de %1 a %2, donde I₀ = I₀max/√2 y φ = ±45°</translation>
        </message>
        <message>
            <source>I0 (A)</source>
            <translation>I0 (A)</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Incluir el cursor en las imágenes</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductancia L en henrios</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Corriente en la bobina</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tensión en la bobina</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tensión en la bobina en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Carga inicial en culombios</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Carga inicial q0 en culombios</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Condiciones iniciales</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Corriente inicial i0 en amperios</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Corriente inicial en amperios</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Error de entrada</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Tiene %1 bytes; un registro puede tener como máximo %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Tiene %1 filas; un registro puede tener como máximo %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Está vacío.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>No es texto: la línea %1 contiene un carácter de control en el byte %2.</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Laboratorio Kel</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Laboratorio Kel: la carga, la corriente y las tensiones exactas de los circuitos RC, RL, LC y RLC en serie, y los fasores de un circuito RLC forzado.</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Circuitos Kel</translation>
        </message>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Laboratorio de circuitos Kel para Dax 202</translation>
        </message>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Laboratorio Kel para Dax 202</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Experimento Kel (*.kel)</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Experimento Kel (*.kel);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>L =</source>
            <translation>L =</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L debe ser mayor que 0 para que el circuito entre en resonancia.</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>Circuitos LC</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>Circuito LC</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>Circuito LC con fuente constante</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuito LC con fuente alterna</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuito LC sin fuente</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuito del laboratorio %1: %2</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>El botón %1 dibuja el marco de la escala actual, así que "lab.frame" no puede ser "fixed".</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>La línea %1 tiene %2 columnas de valores; se leen cuatro como máximo.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>La línea %1 tiene una sola columna; un registro necesita un tiempo y un valor.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Línea %1, columna %2: «%3» no es un número finito.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Línea %1, columna %2: «%3» no es un número.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Línea %1, columna %2: «%3» no es un tiempo inicial o un incremento utilizable.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Línea %1, columna %2: la fila no tiene las %3 columnas de la primera.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Línea %1, columna %2: el tiempo %3 no es posterior al anterior.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Línea %1: solo %2 muestras; se necesitan al menos 3.</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Magnitud y fase en función de la frecuencia</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referencia</translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Marca en t2 = %1 s.</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valor máximo de t</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valor máximo del eje vertical</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medición</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Medición - %1</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valor mínimo de t</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valor mínimo del eje vertical</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Curva del modelo del circuito ajustado. Resultado del ajuste: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Curva del modelo del circuito del laboratorio, aún sin ajustar.</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Cerca de la resonancia los términos estacionario y transitorio son grandes y casi opuestos; el programa calcula la misma curva como respuesta desde el reposo, escrita con (1 − e^(−z))/z, la forma límite que sigue siendo exacta en resonancia.</translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sin fem</translation>
        </message>
        <message>
            <source>No EMF </source>
            <translation>Sin fem </translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sin fuente</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Ningún circuito</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Ningún circuito de este tipo se ajusta a estas muestras.</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>No hay curvas trazadas.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Sin curva del modelo: al circuito del laboratorio le falta un valor o esta magnitud.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>No se muestra ningún registro.</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Ningún registro abierto.</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Ninguna</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Nº de ciclos</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nº de ciclos / f es demasiado largo o corto para dibujar</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>El número de ciclos debe ser mayor que 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>El número de ciclos no debe ser 0</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Número de ciclos</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Número de ciclos que muestran las gráficas de tensión</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Aceptar</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Abrir experimento</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Abrir experimento...</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Abrir medición</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Abrir medición...</translation>
        </message>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Abra un registro (Ctrl+O) para ver aquí sus muestras.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Sobreamortiguado (α &gt; ω0): dos tasas de decaimiento reales.</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>Documento PDF (*.pdf)</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Páginas</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parámetro</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parámetros</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pausa</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>En pausa a %1×</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pico de %1: %2 dB a %3</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pico: %1 dB a %2</translation>
        </message>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagramas fasoriales</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Proyecciones</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagrama fasorial</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagrama fasorial: vacío. Elija «Dibujar».</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Proyecciones de los fasores</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Fasores</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Fasores en t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproducir</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Reproduciendo a %1×</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Dibujar</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Dibujar gráficas</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Dibujar la carga en función del tiempo</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Dibujar la corriente en función del tiempo</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Dibujar la tensión de la fuente en función del tiempo</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Trazados: %1.</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimir hoja de trabajo</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimir hoja de trabajo…</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Factor de calidad Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Magnitud mostrada</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Magnitud:</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>¡Sale del programa!</translation>
        </message>
        <message>
            <source>R =</source>
            <translation>R =</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: sin resistencia, Q es infinito y la corriente en resonancia no tiene límite. Dé a R un valor mayor que 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R es negativa: dé a R un valor mayor que 0.</translation>
        </message>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L y C deben ser números positivos para una respuesta en frecuencia.</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>Circuitos RC</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>Circuito RC</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>Circuito RC con fuente constante</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuito RC con fuente alterna</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuito RC sin fuente</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>Circuitos RL</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>Circuito RL</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>Circuito RL con fuente constante</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuito RL con fuente alterna</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuito RL sin fuente</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>Circuito RLC</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuito RLC con fuente constante</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuito RLC con fuente alterna</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuito RLC sin fuente</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Residuo cuadrático medio %1, %2 puntos%3</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Residuo cuadrático medio: %1</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Carga leída, en culombios</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Corriente leída, en amperios</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Tiempo leído, en segundos</translation>
        </message>
        <message>
            <source>Read-out: %1</source>
            <translation>Lectura: %1</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>Se canceló la lectura de %1.</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Experimentos recientes</translation>
        </message>
        <message>
            <source>Recording graph</source>
            <translation>Gráfica del registro</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Registro: %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Registro: %1, %2 muestras</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Registros (*.csv *.txt *.tsv *.dat);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Régimen</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Residuos</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Resistencia R en ohmios</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Corriente en la resistencia</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tensión en la resistencia</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tensión en la resistencia en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de resonancia</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Frecuencia de resonancia f₀ = %1</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Frecuencia de resonancia f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Reiniciar</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>La muestra %1 de %2 no es un número finito.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>La muestra %1 de %2 no es posterior a la anterior.</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Guardar datos</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Guardar datos como CSV</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Guardar datos como CSV...</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Guardar datos...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Guardar experimento</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Guardar experimento como</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Guardar experimento como...</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Guardar gráfica</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Guardar gráfica...</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Guardar imagen</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Guardar imagen...</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Guardar hoja de trabajo como PDF</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Guardar hoja de trabajo como PDF…</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuito en serie, fuente alterna</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuito en serie: fuente de fem E, resistencia R, condensador C e inductor L</translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = frecuencia natural</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Mostrar la tensión total</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Mostrar la tensión en el condensador</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Mostrar la tensión en la bobina</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Mostrar la tensión en la resistencia</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Muestra el programa en el idioma CODE (de, en, es, fr, pt_BR) en lugar del del sistema.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Muestra la versión del programa.</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Más lento</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solución</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tensión fuente v(t)</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitud de la fuente Vmax en voltios</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>La frecuencia de la fuente f = %1 no está en el eje de frecuencias.</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Fuente f = %1: %2 dB, fase %3</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Fuente f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Frecuencia de la fuente f en hercios</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Frecuencia de la fuente f0 en hercios</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Tipo de fuente</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tensión de la fuente</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tensión o amplitud de la fuente v0 en voltios</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Régimen estacionario: K·cos ωt + S·sin ωt, la respuesta a la frecuencia angular ω de la fuente.</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Superpone líneas horizontales para ver la proyección sobre el eje vertical.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>La información del sistema no está disponible en este momento</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Tarea</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>El circuito %1 no tiene %2.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>El circuito %1 no tiene el parámetro %2.</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>El circuito LC no tiene resistencia: Q es infinito y la corriente en resonancia no tiene límite, así que no hay curva que dibujar. La página Respuesta en frecuencia muestra su respuesta.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>El número de ciclos debe ser mayor que 0: con 0 ciclos o menos no queda tiempo que dibujar.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>El número de ciclos no debe ser 0.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>El tiempo está demasiado lejos del intervalo dibujado.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>El canal %1 no es un número de columna desde 1.</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>El circuito %1 no es uno de rc, rl, lc, rlc, solo o con -dc o -ac.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>El circuito no tiene esa magnitud.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>La solución del circuito no tiene un valor finito para estas muestras; el ajuste no es posible.</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Los datos no pueden determinar %1; fije %2 (--fix NOMBRE=VALOR) para determinar los demás.</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>La energía en el condensador W_C, en la bobina W_L, el calor en la resistencia W_R y el trabajo de la fuente W_S de t = %1 s a %2 s. %3</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>La entrada "lab.circuit" es %1, pero el botón %2 elige el circuito %3.</translation>
        </message>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>La entrada "lab.launcher" es %1, que no corresponde a ningún botón de circuito.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>La entrada %1 es %2, que no es ninguno de %3.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>La entrada %1 es %2; el circuito %3 tiene %4 en ese lugar.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>La entrada %1 es %2; debe estar entre %3 y %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>La entrada %1 no es un grupo de entradas entre llaves.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>La entrada %1 no es una lista entre corchetes.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>La entrada %1 no es un texto entre comillas.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>La entrada %1 no es un número entero.</translation>
        </message>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>La entrada %1 no es el texto base64 de %2 muestras.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>La entrada %1 no es true ni false.</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>No se puede abrir el experimento %1. %2</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>El experimento %1 es para otra ventana.</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>El experimento tiene %1 gráficas; se leen como máximo %2.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>El experimento tiene una entrada %1 que esta versión no conoce.</translation>
        </message>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>Al experimento le falta la entrada %1.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>El experimento no tiene ninguna gráfica cuyos puntos se puedan escribir.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>El experimento que se abrirá.</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>El experimento se guardó con una versión más reciente del Laboratorio Kel (formato de archivo %1; esta versión lee hasta %2).</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>El circuito del experimento no tiene energías que puedan escribirse.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>La ventana del experimento no tiene hoja de trabajo.</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>No se pudo guardar el archivo %1: %2.</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>No se puede leer el archivo (%1).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>El archivo no existe.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>El archivo supera los %1 MB: es demasiado grande para un experimento.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>El archivo no es un experimento del Laboratorio Kel (su "format" no es "kel-experiment").</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>El archivo no es un experimento: no contiene ningún objeto JSON.</translation>
        </message>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>El archivo no es un experimento: no es JSON (%1 en el carácter %2).</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>El ajuste convergió.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>El ajuste no convergió.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>El ajuste se canceló.</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>La ventana de ajuste de %1 s a %2 s no contiene ningún tiempo del registro.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>La ventana de ajuste de %1 a %2 no es un intervalo de los tiempos del registro.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>La ventana de ajuste contiene muy pocas muestras para los parámetros libres.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>El %1 fijado debe ser mayor que 0.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>La frecuencia f no debe ser 0.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>La banda de potencia mitad es demasiado estrecha para calcularla: Q es demasiado grande. Dé a R un valor mayor.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>La impedancia es 0 (R es 0 y las reactancias de L y C se anulan), así que la corriente sería infinita. Cambie R, C, L o f.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>El circuito del laboratorio no tiene esa magnitud.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>El circuito del laboratorio no tiene esa magnitud: elija lo que midió la columna.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>La mayor amplitud de tensión es 0 (VRmax, VCmax, VLmax y Vmax son todas 0 o menos), así que no hay nada que dibujar. Introduzca un Vmax positivo.</translation>
        </message>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>La lista %1 tiene %2 columnas; una medición tiene de 1 a %3.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>La lista %1 tiene %2 parámetros; el circuito %3 tiene %4.</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>La lista %1 contiene %2 dos veces.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>La lista %1 contiene %2, que no es ninguno de %3.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>La lista %1 nombra %2, que el circuito %3 no tiene.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>La medición tiene %1 muestras; necesita al menos %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>La medición contiene %1 valores, tiempos incluidos; un experimento guarda como máximo %2.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>La medición es del circuito %1, pero el botón %2 del laboratorio elige el circuito %3.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>La opción --%1 va con --fit.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>La opción --%1 aparece más de una vez.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>La opción --%1 necesita un valor.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>La opción --fit necesita un valor.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>La opción --fix va con --fit.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>La opción --size fija el tamaño de --export-png; indique ambas.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>El parámetro %1 se fija más de una vez.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>La imagen muestra los últimos valores que se pudieron dibujar.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>El intervalo dibujado, Nº de ciclos / f, es demasiado largo o demasiado corto para dibujarlo.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>El programa calcula la diferencia de los dos senos como un producto con sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exacto también en resonancia y cerca de ella.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>La magnitud %1 no es una de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>La tasa más cercana a cero sale de s1·s2 = ω0², sin la cancelación de −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>La grabación no tiene el canal %1; tiene %2.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Las muestras contienen un valor que no es un número finito.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>En la escala %1, x1 es igual a x2.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>El tamaño "%1" no es ANCHOxALTO en píxeles de 1 a %2, por ejemplo 1600x1200.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>La amplitud de la fuente</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>La frecuencia de la fuente</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>La tarea del experimento tiene %1 caracteres; se leen como máximo %2.</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>La tarea impresa en la hoja, para los estudiantes:</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>El texto %1 de %2 no es un número.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>El texto de «%1» no es un número en segundos.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>El texto de %1 no es un número.</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>El texto de Tiempo no es un número.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>El tiempo %1 de --%2 no es un número de segundos.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>La ventana de tiempo de %1 s a %2 s está vacía.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>La ventana de tiempo contiene muy pocas muestras para los parámetros que ajustar.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Los valores de R, C, L, Vmax y f dan tensiones demasiado grandes para dibujarlas.</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>No hay tensiones dibujadas que guardar. Elija primero Dibujar.</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Todavía no hay ninguna curva que guardar.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>No hay ninguna pantalla en la que mostrar las ventanas (no está definida ni DISPLAY ni WAYLAND_DISPLAY). Para escribir las imágenes de un experimento sin ella: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>No hay datos dibujados que guardar. Elija primero Dibujar gráficas.</translation>
        </message>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>No hay traducción a "%1"; el programa sigue en inglés.</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Estos datos no pueden distinguir %1; fije %2 en un valor conocido y ajuste de nuevo.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Estos parámetros no dan un valor finito de la carga o la corriente en t = %1 s. No se ha dibujado nada.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Estos parámetros no dan un valor finito de la corriente o la carga en este instante.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Con estos parámetros el circuito no tiene energía finita en el intervalo de tiempo de la gráfica.</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Estos valores dan frecuencias o corrientes demasiado grandes o pequeñas para dibujarlas.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Estos valores dan frecuencias demasiado grandes o demasiado pequeñas para dibujarlas.</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Estos valores no dan ninguna curva: un divisor es cero o L·C no es positivo.</translation>
        </message>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Este es un trabajo en curso. Se creó de madrugada, el 18 de marzo de 1998. ¡Úselo con cuidado! – Revisado el 22 de marzo de 1998.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>El tipo de fuente de tensión elegido</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>La frecuencia de la fuente de excitación</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Esta gráfica puede ser inexacta a frecuencias altas, porque se dibuja con pocos puntos</translation>
        </message>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Este programa no puede abrir la ventana del experimento.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Marque al menos un parámetro para ajustar.</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Barra</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Barra de tiempo</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Tiempo de %1 a %2 s, valores de %3 a %4.</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Tiempo en segundos</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Estudiar solo circuitos %1 %2</translation>
        </message>
        <message>
            <source>Toggle to set display of this voltage</source>
            <translation>Mostrar u ocultar esta tensión</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tensión total en LCR </translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tensión total en ese instante, en voltios</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" muestra las opciones.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Escriba un punto decimal, como en %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Escriba un punto decimal, como en 1.5.</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incertidumbre</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Subamortiguado (α &lt; ω0): la carga oscila a ωd dentro de una envolvente decreciente.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidad</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Arriba: amplitud de la corriente I₀ de %1 a %2.
Abajo: fase φ de −90° a +90°, líneas grises en ±45°.
Haga clic en una frecuencia, o pulse Izquierda o Derecha, para poner la fuente en ella.</translation>
        </message>
        <message>
            <source>V total</source>
            <translation>V total</translation>
        </message>
        <message>
            <source>VC</source>
            <translation>VC</translation>
        </message>
        <message>
            <source>VL</source>
            <translation>VL</translation>
        </message>
        <message>
            <source>VR</source>
            <translation>VR</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Valores</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Versión %1</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Vmax</source>
            <translation>Vmax</translation>
        </message>
        <message>
            <source>Vmax =</source>
            <translation>Vmax =</translation>
        </message>
        <message>
            <source>Voltage Source</source>
            <translation>Fuente</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tensión en C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tensión en el condensador</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tensión en la bobina</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tensión en L (V_L/V)</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tensión en R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tensión en la resistencia</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tensión frente al tiempo de %1 a %2 s, de %3 a %4 V: %5.</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Gráfica de tensión en función del tiempo</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tensión frente al tiempo: vacío. Elija «Dibujar».</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Tensiones en función del tiempo</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensiones</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C condensador</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L bobina</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R calor en la resistencia</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S trabajo de la fuente</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Con --fit: ajusta las muestras desde este tiempo, en segundos.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Con --fit: ajusta las muestras hasta este tiempo, en segundos.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Con --fit: fija un parámetro (R, L, C, v0, f0, q0, i0) en un valor en unidades SI; todos los demás se ajustan.</translation>
        </message>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Con --fit: el circuito, uno de rc, rl, lc, rlc, solo (sin fuente) o con -dc o -ac.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Con --fit: la columna de valores que ajustar, 1 por omisión.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Con --fit: lo que midió el canal, vC, vR, vL, i o q.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Con --fit: escribe el resultado como un objeto JSON.</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sin resistencia el circuito oscila sin amortiguamiento a ω0.</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Hoja de trabajo</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Tarea de la hoja</translation>
        </message>
        <message>
            <source>Worksheet Task…</source>
            <translation>Tarea de la hoja…</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Hoja de trabajo: %1</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Escribe las energías del circuito del experimento (t,W_C,W_L,W_R,W_S) como CSV en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Escribe la imagen del experimento como PNG en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Escribe la imagen del experimento como SVG en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Escribe la hoja de trabajo del experimento (circuito, parámetros, gráfica, ecuaciones y tarea en una página, con el experimento adjunto) como PDF en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Escribe los puntos de la última gráfica del experimento como CSV en FILE, sin mostrar ninguna ventana.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valores de los parámetros incorrectos</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: la corriente sería infinita</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>una entrada que no es un nombre</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>asíntotas (a trazos)</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>en resonancia: ω = ω₀ = %1 rad/s, la amplitud crece linealmente</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>banda entre los cortes</translation>
        </message>
        <message>
            <source>black</source>
            <translation>negro</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>azul</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tensión del condensador vC = q/C</translation>
        </message>
        <message>
            <source>charge</source>
            <translation>carga</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>carga q</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>amortiguamiento crítico: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>current</source>
            <translation>corriente</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitud de la corriente I₀</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>corriente i</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>línea discontinua</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>todas las amplitudes son 0: nada que dibujar</translation>
        </message>
        <message>
            <source>f (Hz)</source>
            <translation>f (Hz)</translation>
        </message>
        <message>
            <source>f =</source>
            <translation>f =</translation>
        </message>
        <message>
            <source>f = %1   I₀ = %2   φ = %3</source>
            <translation>f = %1   I₀ = %2   φ = %3</translation>
        </message>
        <message>
            <source>f = %1   |H| = %2 dB   φ = %3</source>
            <translation>f = %1   |H| = %2 dB   φ = %3</translation>
        </message>
        <message>
            <source>f must not be 0</source>
            <translation>f no debe ser 0</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fijado</translation>
        </message>
        <message>
            <source>green</source>
            <translation>verde</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>banda de potencia mitad</translation>
        </message>
        <message>
            <source>i (A)</source>
            <translation>i (A)</translation>
        </message>
        <message>
            <source>i = %1 A</source>
            <translation>i = %1 A</translation>
        </message>
        <message>
            <source>inductor voltage vL</source>
            <translation>tensión de la bobina vL</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>magnitud |H| en dB</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sin fuente de fem</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>sin fuente</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>ninguna tensión mostrada</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>no determinado</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>fuera de resonancia: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>sobreamortiguado: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pico de la magnitud</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>fase φ</translation>
        </message>
        <message>
            <source>phi (rad)</source>
            <translation>phi (rad)</translation>
        </message>
        <message>
            <source>q (C)</source>
            <translation>q (C)</translation>
        </message>
        <message>
            <source>q = %1 C</source>
            <translation>q = %1 C</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rojo</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>régimen indefinido para estos valores</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tensión de la resistencia vR = R·i</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>frecuencia de resonancia f₀</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>línea continua</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>frecuencia de la fuente f</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tensión de la fuente</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, valor %3 … %4</translation>
        </message>
        <message>
            <source>t (s)</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>t = %1 s</source>
            <translation>t = %1 s</translation>
        </message>
        <message>
            <source>t = %1 s, v = %2 V</source>
            <translation>t = %1 s, v = %2 V</translation>
        </message>
        <message>
            <source>t = %1 s, value = %2</source>
            <translation>t = %1 s, valor = %2</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance energético %6</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>el registro de la medición contiene %1 valores, tiempos incluidos, y un experimento guarda como máximo %2; abra primero un registro más corto en la ventana de medición</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>los valores son demasiado grandes para dibujarlos</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de tiempo τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de tiempo τ = RC = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscilación no amortiguada: ω₀ = %1 rad/s, periodo T = %2 s</translation>
        </message>
        <message>
            <source>undefined</source>
            <translation>indefinido</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>subamortiguado: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
        </message>
        <message>
            <source>v (V)</source>
            <translation>v (V)</translation>
        </message>
        <message>
            <source>v(t)</source>
            <translation>v(t)</translation>
        </message>
        <message>
            <source>with a constant (DC) emf source</source>
            <translation>con una fuente de fem constante (CC)</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>con una fuente de fem alterna</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sin fuente de fem</translation>
        </message>
        <message>
            <source>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</source>
            <translation>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>corte a −3 dB (a trazos) y nivel</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Corte(s) a −3 dB: %1</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Frecuencia de corte a −3 dB: ninguna</translation>
        </message>
    </context>
</TS>
