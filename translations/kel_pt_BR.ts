<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
    <context>
        <name>AboutKel</name>
        <message>
            <source>Version %1</source>
            <translation>Versão %1</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>As informações do sistema não estão disponíveis no momento</translation>
        </message>
    </context>
    <context>
        <name>CircuitLaunchers</name>
        <message>
            <source>No EMF </source>
            <translation>Sem fem </translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sem fem</translation>
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
            <translation>Fem alternada</translation>
        </message>
    </context>
    <context>
        <name>EquationsText</name>
        <message>
            <source>Differential equation</source>
            <translation>Equação diferencial</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Condições iniciais</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Regime</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sem resistência o circuito oscila sem amortecimento em ω0.</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Subamortecido (α &lt; ω0): a carga oscila em ωd dentro de uma envoltória decrescente.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Amortecimento crítico (α = ω0): o retorno mais rápido sem oscilação.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Superamortecido (α &gt; ω0): duas taxas de decaimento reais.</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Regime estacionário: K·cos ωt + S·sin ωt, a resposta na frequência angular ω da fonte.</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solução</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Estes valores não dão nenhuma curva: um divisor é zero ou L·C não é positivo.</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Amortecimento crítico: o programa usa a forma limite (A + B·t)·e^(−αt), em que as duas taxas coincidem.</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Perto do amortecimento crítico o programa escreve as duas exponenciais como cosh e sinh, que se juntam suavemente à forma crítica em vez de se cancelarem.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>A taxa mais próxima de zero vem de s1·s2 = ω0², sem o cancelamento em −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Perto da ressonância os termos estacionário e transitório são grandes e quase opostos; o programa calcula a mesma curva como resposta a partir do repouso, escrita com (1 − e^(−z))/z, a forma limite que continua exata na ressonância.</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>Em ressonância (ω = ω0) o termo forçado cresce linearmente com t: o limite da forma fora da ressonância.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>O programa calcula a diferença dos dois senos como um produto com sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exato também na ressonância e perto dela.</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuito RC sem fonte</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>Circuito RC com fonte constante</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuito RL sem fonte</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>Circuito RL com fonte constante</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuito LC sem fonte</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>Circuito LC com fonte constante</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuito RLC sem fonte</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuito RLC com fonte constante</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuito LC com fonte alternada</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuito RC com fonte alternada</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuito RL com fonte alternada</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuito RLC com fonte alternada</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Nenhum circuito</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Equações</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>O texto de %1 não é um número.</translation>
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
            <translation>corrente</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tensão da fonte</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>azul</translation>
        </message>
        <message>
            <source>red</source>
            <translation>vermelho</translation>
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
            <translation>Nenhum circuito</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Carga q</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Corrente i</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tensão da fonte</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Nenhuma curva traçada.</translation>
        </message>
        <message>
            <source>%1 (%2, %3)</source>
            <translation>%1 (%2, %3)</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>linha tracejada</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>linha contínua</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Curvas: %1.</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Tempo de %1 a %2 s, valores de %3 a %4.</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Traçados: %1.</translation>
        </message>
        <message>
            <source>%1 %2 %3</source>
            <translation>%1 %2 %3</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor em t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor em t = %1 s: %2.</translation>
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
            <translation>%1 não é um número</translation>
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
            <translation>Clique aqui para ler o tempo, a corrente e a carga</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Gráficos</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Carga q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Marque para traçar a carga em função do tempo</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Corrente i(t)</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Marque para traçar a corrente em função do tempo</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensões</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tensão da fonte v(t)</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tensão no resistor</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tensão no capacitor</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tensão no indutor</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Valores</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tempo</translation>
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
            <translation>Carga inicial em coulombs</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Corrente inicial em ampères</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Correntes</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Corrente no resistor</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Corrente no capacitor</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Corrente no indutor</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nenhuma</translation>
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
            <translation>O tipo de fonte de tensão escolhido</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>A frequência da fonte de excitação</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parâmetros</translation>
        </message>
        <message>
            <source>Voltage Source</source>
            <translation>Fonte de tensão</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frequência</translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = frequência natural</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Limpar gráficos</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Escala</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Traçar gráficos</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Salvar gráfico...</translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Copiar gráfico</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Salvar dados como CSV...</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Resistência R em ohms</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacitância C em farads</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Indutância L em henrys</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tensão ou amplitude da fonte v0 em volts</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Frequência da fonte f0 em hertz</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Carga inicial q0 em coulombs</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Corrente inicial i0 em ampères</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Traçar a carga em função do tempo</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Traçar a corrente em função do tempo</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Traçar a tensão da fonte em função do tempo</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Tempo lido, em segundos</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Carga lida, em coulombs</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Corrente lida, em ampères</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Tipo de fonte</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Frequência angular w0 em radianos por segundo</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Gráfico em função do tempo</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Incluir o cursor nas imagens</translation>
        </message>
    </context>
    <context>
        <name>NumberText</name>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Digite um ponto decimal, como em %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Digite um ponto decimal, como em 1.5.</translation>
        </message>
    </context>
    <context>
        <name>PhasorsWindow</name>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tensão no resistor</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tensão no capacitor</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tensão no indutor</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tensão total no LCR </translation>
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
            <translation>Resistência R em ohms</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacitância C em farads</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Indutância L em henrys</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude da fonte Vmax em volts</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Frequência da fonte f em hertz</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Tempo em segundos</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Número de ciclos</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Barra de tempo</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Mostrar a tensão no resistor</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Mostrar a tensão no capacitor</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Mostrar a tensão no indutor</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Mostrar a tensão total</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Projeções dos fasores</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude da tensão no resistor em volts</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tensão no resistor nesse instante, em volts</translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude da tensão no capacitor em volts</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tensão no capacitor nesse instante, em volts</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude da tensão no indutor em volts</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tensão no indutor nesse instante, em volts</translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tensão total nesse instante, em volts</translation>
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
            <translation>sem fonte</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fonte contínua</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fonte alternada</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>superamortecido: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>amortecimento crítico: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>subamortecido: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>regime indefinido para estes valores</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de tempo τ = RC = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de tempo τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscilação não amortecida: ω₀ = %1 rad/s, período T = %2 s</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>em ressonância: ω = ω₀ = %1 rad/s, a amplitude cresce linearmente</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>fora da ressonância: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
    </context>
    <context>
        <name>StartupText</name>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Não há tradução para "%1"; o programa continua em inglês.</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" mostra as opções.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Não há tela para mostrar as janelas (nem DISPLAY nem WAYLAND_DISPLAY estão definidos). Para gravar as imagens de um experimento sem tela: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Não é possível abrir o experimento %1. %2</translation>
        </message>
    </context>
    <context>
        <name>WorksheetCommands</name>
        <message>
            <source>Worksheet Task…</source>
            <translation>Tarefa da folha…</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimir folha de exercícios…</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Salvar folha de exercícios como PDF…</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>A tarefa impressa na folha, para os alunos:</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Tarefa da folha</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimir folha de exercícios</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Salvar folha de exercícios como PDF</translation>
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
            <translation>Parâmetros</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Folha de exercícios</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Folha de exercícios: %1</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Tarefa</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Equações</translation>
        </message>
    </context>
    <context>
        <name>kel::about::AboutKel</name>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Este é um trabalho em andamento. Foi criado na madrugada de 18 de março de 1998. Use com cuidado! – Revisado em 22 de março de 1998.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Info do &amp;sistema...</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Sobre %1</translation>
        </message>
    </context>
    <context>
        <name>kel::display</name>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>O arquivo tem mais de %1 MB: é grande demais para um experimento.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::AxisNumbers</name>
        <message>
            <source>View</source>
            <translation>Exibir</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Números dos eixos</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentFile</name>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>O arquivo não é um experimento: não é JSON (%1 no caractere %2).</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>O arquivo não é um experimento: não contém nenhum objeto JSON.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>O arquivo não é um experimento do Laboratório Kel (seu "format" não é "kel-experiment").</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>O experimento foi salvo por uma versão mais recente do Laboratório Kel (formato de arquivo %1; esta versão lê até %2).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>O arquivo não existe.</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>A tarefa do experimento tem %1 caracteres; no máximo %2 são lidos.</translation>
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
            <translation>Salvar experimento</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Salvar experimento como...</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Experimentos recentes</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Não é possível abrir o experimento %1. %2</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Abrir experimento</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>O experimento %1 é para outra janela.</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Experimento Kel (*.kel);;Todos os arquivos (*)</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Não foi possível salvar o arquivo %1: %2.</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Salvar experimento como</translation>
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
            <translation>Falta ao experimento a entrada %1.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>O experimento tem uma entrada %1 que esta versão não conhece.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>A entrada %1 não é um grupo de entradas entre chaves.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>A entrada %1 não é um texto entre aspas.</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>O texto %1 de %2 não é um número.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>A entrada %1 não é um número inteiro.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>A entrada %1 é %2; deve estar entre %3 e %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>A entrada %1 não é true nem false.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>A entrada %1 é %2, que não é nenhum de %3.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>A entrada %1 não é uma lista entre colchetes.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>A lista %1 contém %2, que não é nenhum de %3.</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>uma entrada que não é um nome</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>A lista %1 contém %2 duas vezes.</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergySession</name>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Escolha primeiro um circuito no menu principal.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Com estes parâmetros o circuito não tem energia finita no intervalo de tempo do gráfico.</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balanço %6</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Balanço W_C + W_L + W_R − W_S = %1, maior desvio %2</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergyWindow</name>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C no capacitor</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L no indutor</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R calor no resistor</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S trabalho da fonte</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energia</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Clique, ou use Esquerda e Direita, para ler as energias em um instante</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energias em função do tempo</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Salvar dados...</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Salvar imagem...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>A energia no capacitor W_C, no indutor W_L, o calor no resistor W_R e o trabalho da fonte W_S de t = %1 s a %2 s. %3</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Salvar dados</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Arquivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Salvar imagem</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Imagens PNG (*.png);;Desenhos SVG (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>kel::lab</name>
        <message>
            <source>Input Error</source>
            <translation>Erro de entrada</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Estes parâmetros não dão um valor finito da carga ou da corrente em t = %1 s. Nada foi desenhado.</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 está fora do intervalo que este programa consegue desenhar: seu valor absoluto deve estar entre %2 e %3. Nada foi desenhado.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>Na escala %1, x1 é igual a x2.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::EquationsWindow</name>
        <message>
            <source>Equations</source>
            <translation>Equações</translation>
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
            <translation>A entrada "lab.launcher" é %1, que não corresponde a nenhum botão de circuito.</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>A entrada "lab.circuit" é %1, mas o botão %2 escolhe o circuito %3.</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>O botão %1 desenha a moldura da escala atual, portanto "lab.frame" não pode ser "fixed".</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>O experimento tem %1 gráficos; no máximo %2 são lidos.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>A medição é do circuito %1, mas o botão %2 do laboratório escolhe o circuito %3.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabSession</name>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Erro: %1 é grande demais para o gráfico. Tente novamente</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Erro: %1 não é um número. Tente novamente</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erro nos dados</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>O texto de %1 não é um número.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valores dos parâmetros inválidos</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>O texto de Tempo não é um número.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Estes parâmetros não dão um valor finito da corrente ou da carga neste instante.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabWindow</name>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Laboratório de circuitos Kel para Dax 202</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Digite o valor mínimo de t</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valor mínimo de t</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Digite o valor máximo de t</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valor máximo de t</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Erro: x1 = x2. Tente novamente</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erro nos dados</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Digite o valor mínimo do eixo vertical</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valor mínimo do eixo vertical</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Digite o valor máximo do eixo vertical</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valor máximo do eixo vertical</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Erro: y1 = y2. Tente novamente</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Este gráfico pode ser impreciso em frequências altas, pois é traçado com poucos pontos</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Aviso sobre o gráfico</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Salvar gráfico</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagem PNG (*.png);;Desenho SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Não há dados traçados para salvar. Escolha Traçar gráficos primeiro.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Salvar dados como CSV</translation>
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
            <translation>Tabela CSV (*.csv)</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Exibir</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Equações</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de ressonância</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medição</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Abrir medição...</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energia</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Resposta em frequência</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referência</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratório de circuitos</translation>
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
            <translation>Leitura: %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Em relação à referência: %1</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>o registro da medição contém %1 valores, tempos incluídos, e um experimento guarda no máximo %2; abra primeiro um registro mais curto na janela de medição</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement</name>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>A entrada %1 não é o texto base64 de %2 amostras.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>A amostra %1 de %2 não é um número finito.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>A lista %1 nomeia %2, que o circuito %3 não tem.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>A lista %1 tem %2 parâmetros; o circuito %3 tem %4.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>A entrada %1 é %2; o circuito %3 tem %4 nesse lugar.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementExperiment</name>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>A lista %1 tem %2 colunas; uma medição tem de 1 a %3.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>A medição tem %1 amostras; precisa de pelo menos %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>A medição contém %1 valores, tempos incluídos; um experimento guarda no máximo %2.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>A amostra %1 de %2 não é posterior à anterior.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>A janela de ajuste de %1 a %2 não é um intervalo dos tempos do registro.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementWindow</name>
        <message>
            <source>Recording graph</source>
            <translation>Gráfico do registro</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>&amp;Abrir registro...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fechar</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Canal</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tensão no capacitor vC = q/C</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tensão no resistor vR = R·i</translation>
        </message>
        <message>
            <source>inductor voltage vL</source>
            <translation>tensão no indutor vL</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>corrente i</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>carga q</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;oluna:</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Medido:</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajustar &amp;de (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajustar a&amp;té (s):</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Parâmetros livres</translation>
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
            <translation>&amp;Aplicar ao laboratório</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Abrir medição</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Registros (*.csv *.txt *.tsv *.dat);;Todos os arquivos (*)</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>A leitura de %1 foi cancelada.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 não pode ser aberto como registro.
%2</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>O arquivo não pode ser lido (%1).</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Ele tem %1 bytes; um registro pode ter no máximo %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Ele tem %1 linhas; um registro pode ter no máximo %2.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Não é texto: a linha %1 contém um caractere de controle no byte %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Está vazio.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>A linha %1 tem uma só coluna; um registro precisa de um tempo e de um valor.</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>A linha %1 tem %2 colunas de valores; no máximo quatro são lidas.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Linha %1, coluna %2: a linha não tem as %3 colunas da primeira.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Linha %1, coluna %2: “%3” não é um número.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Linha %1, coluna %2: “%3” não é um número finito.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Linha %1, coluna %2: o tempo %3 não é posterior ao anterior.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Linha %1: só %2 amostras; são necessárias pelo menos 3.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Linha %1, coluna %2: “%3” não é um tempo inicial ou incremento utilizável.</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajustar de</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajustar até</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>O texto de “%1” não é um número em segundos.</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medição</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>A janela de ajuste de %1 s a %2 s não contém nenhum tempo do registro.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Escolha primeiro um circuito no laboratório.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>O circuito do laboratório não tem essa grandeza: escolha o que a coluna mediu.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>A caixa de um parâmetro fixo no laboratório não é um número: digite lá o seu valor ou marque-o como livre.</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajuste</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>O ajuste foi cancelado.</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Medição - %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Registro: %1, %2 amostras</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Nenhum registro aberto.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Escolha um circuito no laboratório: os seus valores são os valores iniciais e fixos do ajuste.</translation>
        </message>
        <message>
            <source>%1 = %2 %3</source>
            <translation>%1 = %2 %3</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(não é um número)</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuito do laboratório %1: %2</translation>
        </message>
        <message>
            <source>%1 = %2 %3 (held)</source>
            <translation>%1 = %2 %3 (fixo)</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: não determinado por estes dados</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Resíduo quadrático médio %1, %2 pontos%3</translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sem convergência</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 e %2 estão correlacionados (%3).</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Estes dados não conseguem distinguir %1; fixe %2 num valor conhecido e ajuste de novo.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>A janela de ajuste contém poucas amostras para os parâmetros livres.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Marque pelo menos um parâmetro para ajustar.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Um R, L, C ou f0 fixo deve ser um número positivo no laboratório.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>O circuito do laboratório não tem essa grandeza.</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Nenhum circuito deste tipo se ajusta a estas amostras.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Nenhum registro é mostrado.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 pontos de %2 de %3 s a %4 s; janela de ajuste de %5 s a %6 s.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Sem curva do modelo: falta ao circuito do laboratório um valor ou esta grandeza.</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Curva do modelo do circuito ajustado. Resultado do ajuste: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Curva do modelo do circuito do laboratório, ainda não ajustado.</translation>
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
            <translation>Abra um registro (Ctrl+O) para ver aqui as suas amostras.</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Resíduos</translation>
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
            <translation>Tensões em função do tempo</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Clique para redesenhar neste instante</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Projeções</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Sobrepõe linhas horizontais para ver a projeção no eixo vertical.</translation>
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
            <translation>Número de ciclos mostrados nos gráficos de tensão</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Gráficos exibidos</translation>
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
            <translation>Mostrar ou ocultar esta tensão</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagrama fasorial</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Gráfico de tensão em função do tempo</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 não é um número</translation>
        </message>
        <message>
            <source>f must not be 0</source>
            <translation>f não deve ser 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>O número de ciclos não deve ser 0</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>O número de ciclos deve ser maior que 0</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: a corrente seria infinita</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>os valores são grandes demais para desenhar</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>todas as amplitudes são 0: nada a desenhar</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nº de ciclos / f é longo ou curto demais para desenhar</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>O texto de %1 não é um número.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>A frequência f não deve ser 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>O número de ciclos não deve ser 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>O número de ciclos deve ser maior que 0: com 0 ciclos ou menos não há tempo para traçar.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>A impedância é 0 (R é 0 e as reatâncias de L e C se anulam), então a corrente seria infinita. Altere R, C, L ou f.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Os valores de R, C, L, Vmax e f dão tensões grandes demais para desenhar.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>A maior amplitude de tensão é 0 (VRmax, VCmax, VLmax e Vmax são todas 0 ou menos), então não há nada a desenhar. Digite um Vmax positivo.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>O intervalo traçado, Nº de ciclos / f, é longo ou curto demais para ser desenhado.</translation>
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
            <translation>vermelho</translation>
        </message>
        <message>
            <source>black</source>
            <translation>preto</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 é desenhado em %2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 em %2</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tensão em função do tempo de %1 a %2 s, de %3 a %4 V: %5.</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>nenhuma tensão exibida</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Marcador em t2 = %1 s.</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tensão em função do tempo: vazio. Escolha “Traçar”.</translation>
        </message>
        <message>
            <source>%1 %2 V at %3°</source>
            <translation>%1 %2 V a %3°</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Fasores em t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagrama fasorial: vazio. Escolha “Traçar”.</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsAnimator</name>
        <message>
            <source>Pause</source>
            <translation>Pausar</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproduzir</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Reproduzindo a %1×</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>Pausado a %1×</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsWindow</name>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagramas fasoriais</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Traçar</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Limpar gráficos</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Salvar imagem...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagem</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Salvar dados como CSV...</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animar</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproduzir</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Mais lento</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Mais rápido</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Reiniciar</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Erro de entrada</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>O texto de Tempo não é um número.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>O tempo está longe demais do intervalo traçado.</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Salvar imagem</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagem PNG (*.png);;Desenho SVG (*.svg)</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Não há tensões traçadas para salvar. Escolha Traçar primeiro.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Salvar dados como CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabela CSV (*.csv)</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referência</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuito em série, fonte alternada</translation>
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
            <translation>Em t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResonanceWindow</name>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de ressonância</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Clique para ajustar a fonte para esta frequência</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude e fase da corrente em função da frequência</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frequência f (escala logarítmica)</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitude da corrente I₀</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>fase φ</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>frequência de ressonância f₀</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>frequência da fonte f</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>banda de meia potência</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportar</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Salvar imagem...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagem</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Salvar dados como CSV...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Frequência de ressonância f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Fator de qualidade Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Fonte f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>A frequência da fonte f = %1 não está no eixo de frequências.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>A amplitude da fonte</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>A frequência da fonte</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 “%2” não é um número.</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: sem resistência, Q é infinito e a corrente na ressonância não tem limite. Dê a R um valor maior que 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R é negativa: dê a R um valor maior que 0.</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L deve ser maior que 0 para que o circuito entre em ressonância.</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C deve ser maior que 0 para que o circuito entre em ressonância (C = 0 significa sem capacitor).</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Estes valores dão frequências ou correntes grandes ou pequenas demais para desenhar.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>A banda de meia potência é estreita demais para ser calculada: Q é grande demais. Dê a R um valor maior.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>A imagem mostra os últimos valores que puderam ser desenhados.</translation>
        </message>
        <message>
            <source>f = %1   I₀ = %2   φ = %3</source>
            <translation>f = %1   I₀ = %2   φ = %3</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Salvar imagem</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagem PNG (*.png);;Desenho SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Ainda não há curva para salvar.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Salvar dados como CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabela CSV (*.csv)</translation>
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
            <translation>Largura de banda Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Banda de meia potência (sombreada): de %1 a %2, onde I₀ = I₀max/√2 e φ = ±45°</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Acima: amplitude da corrente I₀ de %1 a %2.
Abaixo: fase φ de −90° a +90°, linhas cinza em ±45°.
Clique numa frequência, ou pressione Esquerda ou Direita, para ajustar a fonte a ela.</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Resposta em frequência</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Módulo e fase em função da frequência</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Grandeza:</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Grandeza mostrada</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Clique numa frequência, ou pressione Esquerda ou Direita, para ajustar a fonte a ela.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Um circuito sem L e C ao mesmo tempo não tem ressonância.</translation>
        </message>
        <message>
            <source>f = %1   |H| = %2 dB   φ = %3</source>
            <translation>f = %1   |H| = %2 dB   φ = %3</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>módulo |H| em dB</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>corte a −3 dB (tracejado) e nível</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>banda entre os cortes</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>assíntotas (tracejadas)</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pico da grandeza</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Páginas</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>O circuito LC não tem resistência: Q é infinito e a corrente na ressonância não tem limite, então não há curva para desenhar. A página Resposta em frequência mostra sua resposta.</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResponseSession</name>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L e C devem ser números positivos para uma resposta em frequência.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Uma resposta em frequência precisa de um circuito com fonte CA.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Estes valores dão frequências grandes ou pequenas demais para desenhar.</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tensão em R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tensão em C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tensão em L (V_L/V)</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Corrente (I/V, dB ref. 1 A/V)</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Frequência de corte a −3 dB: nenhuma</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Corte(s) a −3 dB: %1</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Banda entre eles (sombreada): largura %1</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Assíntotas: %1 dB/década abaixo, %2 dB/década acima</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Frequência de ressonância f₀ = %1</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pico de %1: %2 dB em %3</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 não tem pico: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pico: %1 dB em %2</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Fonte f = %1: %2 dB, fase %3</translation>
        </message>
    </context>
    <context>
        <name>kel::shell</name>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit precisa do circuito e da grandeza (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>O circuito %1 não é um de rc, rl, lc, rlc, sozinho ou com -dc ou -ac.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>A grandeza %1 não é uma de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>O circuito %1 não tem %2.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 não é NOME=VALOR com NOME um de R, L, C, v0, f0, q0, i0 e VALOR um número, por exemplo --fix C=1e-6.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>O circuito %1 não tem o parâmetro %2.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>O parâmetro %1 é fixado mais de uma vez.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>O %1 fixado deve ser maior que 0.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>O tempo %1 de --%2 não é um número de segundos.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>A janela de tempo de %1 s a %2 s está vazia.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>O canal %1 não é um número de coluna a partir de 1.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>O ajuste foi cancelado.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>O circuito não tem essa grandeza.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>A janela de tempo contém poucas amostras para os parâmetros a ajustar.</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Todos os parâmetros estão fixados; não há nada a ajustar.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>As amostras contêm um valor que não é um número finito.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Um valor fixado não é um número que o circuito possa ter.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>A solução do circuito não tem valor finito para estas amostras; o ajuste não é possível.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuito %1, grandeza %2, %3 pontos</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>O ajuste convergiu.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>O ajuste não convergiu.</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Resíduo quadrático médio: %1</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parâmetro</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valor</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incerteza</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidade</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>não determinado</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fixado</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Os dados não podem determinar %1; fixe %2 (--fix NOME=VALOR) para determinar os demais.</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 e %2 estão correlacionados: %3.</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>A gravação não tem o canal %1; ela tem %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::CommandLine</name>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Laboratório Kel: a carga, a corrente e as tensões exatas dos circuitos RC, RL, LC e RLC em série, e os fasores de um circuito RLC forçado.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Mostra a versão do programa.</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Mostra o programa no idioma CODE (de, en, es, fr, pt_BR) em vez do idioma do sistema.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Grava a imagem do experimento como PNG em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Grava a imagem do experimento como SVG em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Grava os pontos do último gráfico do experimento como CSV em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Ajusta o PNG a WxH pixels (por exemplo 1600x1200), mantendo as proporções.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>O experimento a abrir.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>A opção --%1 foi dada mais de uma vez.</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Indique um só arquivo de experimento, não %1.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>A opção --%1 precisa de um valor.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>O tamanho "%1" não é LARGURAxALTURA em pixels de 1 a %2, por exemplo 1600x1200.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>A opção --size define o tamanho de --export-png; indique as duas.</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>Para exportar é preciso o arquivo do experimento (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajusta a solução exata do circuito à gravação FILE e escreve cada valor com sua incerteza, sem mostrar janela.</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lê uma gravação sozinho; não informe arquivo de experimento nem exportação com ele.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>A opção --fit precisa de um valor.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>A opção --%1 acompanha --fit.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>A opção --fix acompanha --fit.</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Grava as energias do circuito do experimento (t,W_C,W_L,W_R,W_S) como CSV em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Grava a folha de exercícios do experimento (circuito, parâmetros, gráfico, equações e tarefa em uma página, com o experimento anexado) como PDF em FILE, sem mostrar janela.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::ExportRun</name>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Este programa não consegue abrir a janela do experimento.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>O experimento não tem nenhum gráfico cujos pontos possam ser gravados.</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>O circuito do experimento não tem energias que possam ser gravadas.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>A janela do experimento não tem folha de exercícios.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::FitOptions</name>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Com --fit: o circuito, um de rc, rl, lc, rlc, sozinho (sem fonte) ou com -dc ou -ac.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Com --fit: o que o canal mediu, vC, vR, vL, i ou q.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Com --fit: fixa um parâmetro (R, L, C, v0, f0, q0, i0) em um valor em unidades SI; todos os outros são ajustados.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Com --fit: ajusta as amostras a partir deste tempo, em segundos.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Com --fit: ajusta as amostras até este tempo, em segundos.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Com --fit: a coluna de valores a ajustar, 1 por padrão.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Com --fit: escreve o resultado como um objeto JSON.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::MainMenu</name>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Laboratório Kel para Dax 202</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Sobre</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Laboratório Kel</translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sem fonte</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Fonte contínua</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Fonte alternada</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sem fonte de fem</translation>
        </message>
        <message>
            <source>with a constant (DC) emf source</source>
            <translation>com uma fonte de fem constante (CC)</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>com uma fonte de fem alternada</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Estudar apenas circuitos %1 %2</translation>
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
            <translation>Abre a ferramenta para estudar diagramas fasoriais e relações de fase</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Sair</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Sai do programa!</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sem fonte de fem</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fonte contínua</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fonte alternada</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuito em série: fonte de fem E, resistor R, capacitor C e indutor L</translation>
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
            <translation>%1 = %2 %3 (fixo)</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 e %2 estão correlacionados (%3).</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 e %2 estão correlacionados: %3.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 não pode ser aberto como registro.
%2</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 não tem pico: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 em %2</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 é desenhado em %2</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 não é um número</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 está fora do intervalo que este programa consegue desenhar: seu valor absoluto deve estar entre %2 e %3. Nada foi desenhado.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 pontos de %2 de %3 s a %4 s; janela de ajuste de %5 s a %6 s.</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 “%2” não é um número.</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: não determinado por estes dados</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>&amp;Aplicar ao laboratório</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fechar</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
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
            <translation>Info do &amp;sistema...</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(não é um número)</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sem convergência</translation>
        </message>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit precisa do circuito e da grandeza (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lê uma gravação sozinho; não informe arquivo de experimento nem exportação com ele.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 não é NOME=VALOR com NOME um de R, L, C, v0, f0, q0, i0 e VALOR um número, por exemplo --fix C=1e-6.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Um circuito sem L e C ao mesmo tempo não tem ressonância.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Um valor fixado não é um número que o circuito possa ter.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Uma resposta em frequência precisa de um circuito com fonte CA.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Um R, L, C ou f0 fixo deve ser um número positivo no laboratório.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>A caixa de um parâmetro fixo no laboratório não é um número: digite lá o seu valor ou marque-o como livre.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>C.A.</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Fonte alternada</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>fonte alternada</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Sobre</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Sobre %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Em relação à referência: %1</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Fem alternada</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude da tensão no capacitor em volts</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude da tensão no indutor em volts</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude da tensão no resistor em volts</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Frequência angular w0 em radianos por segundo</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animar</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Assíntotas: %1 dB/década abaixo, %2 dB/década acima</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>Em ressonância (ω = ω0) o termo forçado cresce linearmente com t: o limite da forma fora da ressonância.</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>Em t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Números dos eixos</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Balanço W_C + W_L + W_R − W_S = %1, maior desvio %2</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Banda entre eles (sombreada): largura %1</translation>
        </message>
        <message>
            <source>Bandwidth Δf = R/(2πL) = %1</source>
            <translation>Largura de banda Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Abre a ferramenta para estudar diagramas fasoriais e relações de fase</translation>
        </message>
        <message>
            <source>C =</source>
            <translation>C =</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C deve ser maior que 0 para que o circuito entre em ressonância (C = 0 significa sem capacitor).</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;oluna:</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Arquivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tabela CSV (*.csv)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacitância C em farads</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Corrente no capacitor</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tensão no capacitor</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tensão no capacitor nesse instante, em volts</translation>
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
            <translation>Marque para traçar a carga em função do tempo</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Marque para traçar a corrente em função do tempo</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Escolha primeiro um circuito no laboratório.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Escolha um circuito no laboratório: os seus valores são os valores iniciais e fixos do ajuste.</translation>
        </message>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Escolha primeiro um circuito no menu principal.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuito %1, grandeza %2, %3 pontos</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratório de circuitos</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Limpar gráficos</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Clique numa frequência, ou pressione Esquerda ou Direita, para ajustar a fonte a ela.</translation>
        </message>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Clique aqui para ler o tempo, a corrente e a carga</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Clique para redesenhar neste instante</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Clique para ajustar a fonte para esta frequência</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Clique, ou use Esquerda e Direita, para ler as energias em um instante</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Perto do amortecimento crítico o programa escreve as duas exponenciais como cosh e sinh, que se juntam suavemente à forma crítica em vez de se cancelarem.</translation>
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
            <translation>Copiar gráfico</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copiar imagem</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Copiar como LaTeX</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Amortecimento crítico: o programa usa a forma limite (A + B·t)·e^(−αt), em que as duas taxas coincidem.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Amortecimento crítico (α = ω0): o retorno mais rápido sem oscilação.</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Corr.</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Corrente (I/V, dB ref. 1 A/V)</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude e fase da corrente em função da frequência</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Corrente i</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Corrente i(t)</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Correntes</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor em t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor em t = %1 s: %2.</translation>
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
            <translation>Fonte contínua</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>fonte contínua</translation>
        </message>
        <message>
            <source>Differential equation</source>
            <translation>Equação diferencial</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energias em função do tempo</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energia</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Digite o valor máximo de t</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Digite o valor máximo do eixo vertical</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Digite o valor mínimo de t</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Digite o valor mínimo do eixo vertical</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Equações</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erro nos dados</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Erro: %1 não é um número. Tente novamente</translation>
        </message>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Erro: %1 é grande demais para o gráfico. Tente novamente</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Erro: x1 = x2. Tente novamente</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Erro: y1 = y2. Tente novamente</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Todos os parâmetros estão fixados; não há nada a ajustar.</translation>
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
            <translation>Para exportar é preciso o arquivo do experimento (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>A&amp;justar</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Mais rápido</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajuste</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajustar &amp;de (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajustar a&amp;té (s):</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajustar de</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajustar até</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Ajusta o PNG a WxH pixels (por exemplo 1600x1200), mantendo as proporções.</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajusta a solução exata do circuito à gravação FILE e escreve cada valor com sua incerteza, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Parâmetros livres</translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frequência</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Resposta em frequência</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frequência f (escala logarítmica)</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Indique um só arquivo de experimento, não %1.</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Escala</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Gráficos</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Gráfico em função do tempo</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Aviso sobre o gráfico</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Gráficos exibidos</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Banda de meia potência (sombreada): de %1 a %2, onde I₀ = I₀max/√2 e φ = ±45°</translation>
        </message>
        <message>
            <source>I0 (A)</source>
            <translation>I0 (A)</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Incluir o cursor nas imagens</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Indutância L em henrys</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Corrente no indutor</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tensão no indutor</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tensão no indutor nesse instante, em volts</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Carga inicial em coulombs</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Carga inicial q0 em coulombs</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Condições iniciais</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Corrente inicial i0 em ampères</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Corrente inicial em ampères</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Erro de entrada</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Ele tem %1 bytes; um registro pode ter no máximo %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Ele tem %1 linhas; um registro pode ter no máximo %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Está vazio.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Não é texto: a linha %1 contém um caractere de controle no byte %2.</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Laboratório Kel</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Laboratório Kel: a carga, a corrente e as tensões exatas dos circuitos RC, RL, LC e RLC em série, e os fasores de um circuito RLC forçado.</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Circuitos Kel</translation>
        </message>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Laboratório de circuitos Kel para Dax 202</translation>
        </message>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Laboratório Kel para Dax 202</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Experimento Kel (*.kel)</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Experimento Kel (*.kel);;Todos os arquivos (*)</translation>
        </message>
        <message>
            <source>L =</source>
            <translation>L =</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L deve ser maior que 0 para que o circuito entre em ressonância.</translation>
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
            <translation>Circuito LC com fonte constante</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuito LC com fonte alternada</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuito LC sem fonte</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuito do laboratório %1: %2</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>O botão %1 desenha a moldura da escala atual, portanto "lab.frame" não pode ser "fixed".</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>A linha %1 tem %2 colunas de valores; no máximo quatro são lidas.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>A linha %1 tem uma só coluna; um registro precisa de um tempo e de um valor.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Linha %1, coluna %2: “%3” não é um número finito.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Linha %1, coluna %2: “%3” não é um número.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Linha %1, coluna %2: “%3” não é um tempo inicial ou incremento utilizável.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Linha %1, coluna %2: a linha não tem as %3 colunas da primeira.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Linha %1, coluna %2: o tempo %3 não é posterior ao anterior.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Linha %1: só %2 amostras; são necessárias pelo menos 3.</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Módulo e fase em função da frequência</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marcar referência</translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Marcador em t2 = %1 s.</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valor máximo de t</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valor máximo do eixo vertical</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Medição</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Medição - %1</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valor mínimo de t</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valor mínimo do eixo vertical</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Curva do modelo do circuito ajustado. Resultado do ajuste: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Curva do modelo do circuito do laboratório, ainda não ajustado.</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Perto da ressonância os termos estacionário e transitório são grandes e quase opostos; o programa calcula a mesma curva como resposta a partir do repouso, escrita com (1 − e^(−z))/z, a forma limite que continua exata na ressonância.</translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sem fem</translation>
        </message>
        <message>
            <source>No EMF </source>
            <translation>Sem fem </translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sem fonte</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Nenhum circuito</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Nenhum circuito deste tipo se ajusta a estas amostras.</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Nenhuma curva traçada.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Sem curva do modelo: falta ao circuito do laboratório um valor ou esta grandeza.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Nenhum registro é mostrado.</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Nenhum registro aberto.</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Nenhuma</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Nº de ciclos</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nº de ciclos / f é longo ou curto demais para desenhar</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>O número de ciclos deve ser maior que 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>O número de ciclos não deve ser 0</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Número de ciclos</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Número de ciclos mostrados nos gráficos de tensão</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
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
            <translation>Abrir medição</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Abrir medição...</translation>
        </message>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Abra um registro (Ctrl+O) para ver aqui as suas amostras.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Superamortecido (α &gt; ω0): duas taxas de decaimento reais.</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>Documento PDF (*.pdf)</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Imagem PNG (*.png);;Desenho SVG (*.svg)</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Imagens PNG (*.png);;Desenhos SVG (*.svg)</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Páginas</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parâmetro</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parâmetros</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pausar</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>Pausado a %1×</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pico de %1: %2 dB em %3</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pico: %1 dB em %2</translation>
        </message>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagramas fasoriais</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Projeções</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagrama fasorial</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagrama fasorial: vazio. Escolha “Traçar”.</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Projeções dos fasores</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Fasores</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Fasores em t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Reproduzir</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Reproduzindo a %1×</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Traçar</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Traçar gráficos</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Traçar a carga em função do tempo</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Traçar a corrente em função do tempo</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Traçar a tensão da fonte em função do tempo</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Traçados: %1.</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimir folha de exercícios</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimir folha de exercícios…</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Fator de qualidade Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Grandeza mostrada</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Grandeza:</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Sair</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Sai do programa!</translation>
        </message>
        <message>
            <source>R =</source>
            <translation>R =</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: sem resistência, Q é infinito e a corrente na ressonância não tem limite. Dê a R um valor maior que 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R é negativa: dê a R um valor maior que 0.</translation>
        </message>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L e C devem ser números positivos para uma resposta em frequência.</translation>
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
            <translation>Circuito RC com fonte constante</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuito RC com fonte alternada</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuito RC sem fonte</translation>
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
            <translation>Circuito RL com fonte constante</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuito RL com fonte alternada</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuito RL sem fonte</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>Circuito RLC</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuito RLC com fonte constante</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuito RLC com fonte alternada</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuito RLC sem fonte</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Resíduo quadrático médio %1, %2 pontos%3</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Resíduo quadrático médio: %1</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Carga lida, em coulombs</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Corrente lida, em ampères</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Tempo lido, em segundos</translation>
        </message>
        <message>
            <source>Read-out: %1</source>
            <translation>Leitura: %1</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>A leitura de %1 foi cancelada.</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Experimentos recentes</translation>
        </message>
        <message>
            <source>Recording graph</source>
            <translation>Gráfico do registro</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Registro: %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Registro: %1, %2 amostras</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Registros (*.csv *.txt *.tsv *.dat);;Todos os arquivos (*)</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Regime</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Resíduos</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Resistência R em ohms</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Corrente no resistor</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tensão no resistor</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tensão no resistor nesse instante, em volts</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Curva de ressonância</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Frequência de ressonância f₀ = %1</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Frequência de ressonância f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Reiniciar</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>A amostra %1 de %2 não é um número finito.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>A amostra %1 de %2 não é posterior à anterior.</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Salvar dados</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Salvar dados como CSV</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Salvar dados como CSV...</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Salvar dados...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Salvar experimento</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Salvar experimento como</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Salvar experimento como...</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Salvar gráfico</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Salvar gráfico...</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Salvar imagem</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Salvar imagem...</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Salvar folha de exercícios como PDF</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Salvar folha de exercícios como PDF…</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuito em série, fonte alternada</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuito em série: fonte de fem E, resistor R, capacitor C e indutor L</translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = frequência natural</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Mostrar a tensão total</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Mostrar a tensão no capacitor</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Mostrar a tensão no indutor</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Mostrar a tensão no resistor</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Mostra o programa no idioma CODE (de, en, es, fr, pt_BR) em vez do idioma do sistema.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Mostra a versão do programa.</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Mais lento</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solução</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tensão da fonte v(t)</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude da fonte Vmax em volts</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>A frequência da fonte f = %1 não está no eixo de frequências.</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Fonte f = %1: %2 dB, fase %3</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Fonte f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Frequência da fonte f em hertz</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Frequência da fonte f0 em hertz</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Tipo de fonte</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tensão da fonte</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tensão ou amplitude da fonte v0 em volts</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Regime estacionário: K·cos ωt + S·sin ωt, a resposta na frequência angular ω da fonte.</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Sobrepõe linhas horizontais para ver a projeção no eixo vertical.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>As informações do sistema não estão disponíveis no momento</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Tarefa</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>O circuito %1 não tem %2.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>O circuito %1 não tem o parâmetro %2.</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>O circuito LC não tem resistência: Q é infinito e a corrente na ressonância não tem limite, então não há curva para desenhar. A página Resposta em frequência mostra sua resposta.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>O número de ciclos deve ser maior que 0: com 0 ciclos ou menos não há tempo para traçar.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>O número de ciclos não deve ser 0.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>O tempo está longe demais do intervalo traçado.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>O canal %1 não é um número de coluna a partir de 1.</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>O circuito %1 não é um de rc, rl, lc, rlc, sozinho ou com -dc ou -ac.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>O circuito não tem essa grandeza.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>A solução do circuito não tem valor finito para estas amostras; o ajuste não é possível.</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Os dados não podem determinar %1; fixe %2 (--fix NOME=VALOR) para determinar os demais.</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>A energia no capacitor W_C, no indutor W_L, o calor no resistor W_R e o trabalho da fonte W_S de t = %1 s a %2 s. %3</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>A entrada "lab.circuit" é %1, mas o botão %2 escolhe o circuito %3.</translation>
        </message>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>A entrada "lab.launcher" é %1, que não corresponde a nenhum botão de circuito.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>A entrada %1 é %2, que não é nenhum de %3.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>A entrada %1 é %2; o circuito %3 tem %4 nesse lugar.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>A entrada %1 é %2; deve estar entre %3 e %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>A entrada %1 não é um grupo de entradas entre chaves.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>A entrada %1 não é uma lista entre colchetes.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>A entrada %1 não é um texto entre aspas.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>A entrada %1 não é um número inteiro.</translation>
        </message>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>A entrada %1 não é o texto base64 de %2 amostras.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>A entrada %1 não é true nem false.</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Não é possível abrir o experimento %1. %2</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>O experimento %1 é para outra janela.</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>O experimento tem %1 gráficos; no máximo %2 são lidos.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>O experimento tem uma entrada %1 que esta versão não conhece.</translation>
        </message>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>Falta ao experimento a entrada %1.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>O experimento não tem nenhum gráfico cujos pontos possam ser gravados.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>O experimento a abrir.</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>O experimento foi salvo por uma versão mais recente do Laboratório Kel (formato de arquivo %1; esta versão lê até %2).</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>O circuito do experimento não tem energias que possam ser gravadas.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>A janela do experimento não tem folha de exercícios.</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Não foi possível salvar o arquivo %1: %2.</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>O arquivo não pode ser lido (%1).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>O arquivo não existe.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>O arquivo tem mais de %1 MB: é grande demais para um experimento.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>O arquivo não é um experimento do Laboratório Kel (seu "format" não é "kel-experiment").</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>O arquivo não é um experimento: não contém nenhum objeto JSON.</translation>
        </message>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>O arquivo não é um experimento: não é JSON (%1 no caractere %2).</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>O ajuste convergiu.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>O ajuste não convergiu.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>O ajuste foi cancelado.</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>A janela de ajuste de %1 s a %2 s não contém nenhum tempo do registro.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>A janela de ajuste de %1 a %2 não é um intervalo dos tempos do registro.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>A janela de ajuste contém poucas amostras para os parâmetros livres.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>O %1 fixado deve ser maior que 0.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>A frequência f não deve ser 0.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>A banda de meia potência é estreita demais para ser calculada: Q é grande demais. Dê a R um valor maior.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>A impedância é 0 (R é 0 e as reatâncias de L e C se anulam), então a corrente seria infinita. Altere R, C, L ou f.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>O circuito do laboratório não tem essa grandeza.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>O circuito do laboratório não tem essa grandeza: escolha o que a coluna mediu.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>A maior amplitude de tensão é 0 (VRmax, VCmax, VLmax e Vmax são todas 0 ou menos), então não há nada a desenhar. Digite um Vmax positivo.</translation>
        </message>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>A lista %1 tem %2 colunas; uma medição tem de 1 a %3.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>A lista %1 tem %2 parâmetros; o circuito %3 tem %4.</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>A lista %1 contém %2 duas vezes.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>A lista %1 contém %2, que não é nenhum de %3.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>A lista %1 nomeia %2, que o circuito %3 não tem.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>A medição tem %1 amostras; precisa de pelo menos %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>A medição contém %1 valores, tempos incluídos; um experimento guarda no máximo %2.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>A medição é do circuito %1, mas o botão %2 do laboratório escolhe o circuito %3.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>A opção --%1 acompanha --fit.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>A opção --%1 foi dada mais de uma vez.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>A opção --%1 precisa de um valor.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>A opção --fit precisa de um valor.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>A opção --fix acompanha --fit.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>A opção --size define o tamanho de --export-png; indique as duas.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>O parâmetro %1 é fixado mais de uma vez.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>A imagem mostra os últimos valores que puderam ser desenhados.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>O intervalo traçado, Nº de ciclos / f, é longo ou curto demais para ser desenhado.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>O programa calcula a diferença dos dois senos como um produto com sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exato também na ressonância e perto dela.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>A grandeza %1 não é uma de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>A taxa mais próxima de zero vem de s1·s2 = ω0², sem o cancelamento em −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>A gravação não tem o canal %1; ela tem %2.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>As amostras contêm um valor que não é um número finito.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>Na escala %1, x1 é igual a x2.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>O tamanho "%1" não é LARGURAxALTURA em pixels de 1 a %2, por exemplo 1600x1200.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>A amplitude da fonte</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>A frequência da fonte</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>A tarefa do experimento tem %1 caracteres; no máximo %2 são lidos.</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>A tarefa impressa na folha, para os alunos:</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>O texto %1 de %2 não é um número.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>O texto de “%1” não é um número em segundos.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>O texto de %1 não é um número.</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>O texto de Tempo não é um número.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>O tempo %1 de --%2 não é um número de segundos.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>A janela de tempo de %1 s a %2 s está vazia.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>A janela de tempo contém poucas amostras para os parâmetros a ajustar.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Os valores de R, C, L, Vmax e f dão tensões grandes demais para desenhar.</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Não há tensões traçadas para salvar. Escolha Traçar primeiro.</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Ainda não há curva para salvar.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Não há tela para mostrar as janelas (nem DISPLAY nem WAYLAND_DISPLAY estão definidos). Para gravar as imagens de um experimento sem tela: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Não há dados traçados para salvar. Escolha Traçar gráficos primeiro.</translation>
        </message>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Não há tradução para "%1"; o programa continua em inglês.</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Estes dados não conseguem distinguir %1; fixe %2 num valor conhecido e ajuste de novo.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Estes parâmetros não dão um valor finito da carga ou da corrente em t = %1 s. Nada foi desenhado.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Estes parâmetros não dão um valor finito da corrente ou da carga neste instante.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Com estes parâmetros o circuito não tem energia finita no intervalo de tempo do gráfico.</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Estes valores dão frequências ou correntes grandes ou pequenas demais para desenhar.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Estes valores dão frequências grandes ou pequenas demais para desenhar.</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Estes valores não dão nenhuma curva: um divisor é zero ou L·C não é positivo.</translation>
        </message>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Este é um trabalho em andamento. Foi criado na madrugada de 18 de março de 1998. Use com cuidado! – Revisado em 22 de março de 1998.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>O tipo de fonte de tensão escolhido</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>A frequência da fonte de excitação</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Este gráfico pode ser impreciso em frequências altas, pois é traçado com poucos pontos</translation>
        </message>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Este programa não consegue abrir a janela do experimento.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Marque pelo menos um parâmetro para ajustar.</translation>
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
            <translation>Barra de tempo</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Tempo de %1 a %2 s, valores de %3 a %4.</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Tempo em segundos</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Estudar apenas circuitos %1 %2</translation>
        </message>
        <message>
            <source>Toggle to set display of this voltage</source>
            <translation>Mostrar ou ocultar esta tensão</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tensão total no LCR </translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tensão total nesse instante, em volts</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" mostra as opções.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Digite um ponto decimal, como em %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Digite um ponto decimal, como em 1.5.</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incerteza</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Subamortecido (α &lt; ω0): a carga oscila em ωd dentro de uma envoltória decrescente.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unidade</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Acima: amplitude da corrente I₀ de %1 a %2.
Abaixo: fase φ de −90° a +90°, linhas cinza em ±45°.
Clique numa frequência, ou pressione Esquerda ou Direita, para ajustar a fonte a ela.</translation>
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
            <translation>Versão %1</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Exibir</translation>
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
            <translation>Fonte de tensão</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tensão em C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tensão no capacitor</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tensão no indutor</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tensão em L (V_L/V)</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tensão em R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tensão no resistor</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tensão em função do tempo de %1 a %2 s, de %3 a %4 V: %5.</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Gráfico de tensão em função do tempo</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tensão em função do tempo: vazio. Escolha “Traçar”.</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Tensões em função do tempo</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensões</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C no capacitor</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L no indutor</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R calor no resistor</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S trabalho da fonte</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Com --fit: ajusta as amostras a partir deste tempo, em segundos.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Com --fit: ajusta as amostras até este tempo, em segundos.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Com --fit: fixa um parâmetro (R, L, C, v0, f0, q0, i0) em um valor em unidades SI; todos os outros são ajustados.</translation>
        </message>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Com --fit: o circuito, um de rc, rl, lc, rlc, sozinho (sem fonte) ou com -dc ou -ac.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Com --fit: a coluna de valores a ajustar, 1 por padrão.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Com --fit: o que o canal mediu, vC, vR, vL, i ou q.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Com --fit: escreve o resultado como um objeto JSON.</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sem resistência o circuito oscila sem amortecimento em ω0.</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Folha de exercícios</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Tarefa da folha</translation>
        </message>
        <message>
            <source>Worksheet Task…</source>
            <translation>Tarefa da folha…</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Folha de exercícios: %1</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Grava as energias do circuito do experimento (t,W_C,W_L,W_R,W_S) como CSV em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Grava a imagem do experimento como PNG em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Grava a imagem do experimento como SVG em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Grava a folha de exercícios do experimento (circuito, parâmetros, gráfico, equações e tarefa em uma página, com o experimento anexado) como PDF em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Grava os pontos do último gráfico do experimento como CSV em FILE, sem mostrar janela.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valores dos parâmetros inválidos</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: a corrente seria infinita</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>uma entrada que não é um nome</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>assíntotas (tracejadas)</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>em ressonância: ω = ω₀ = %1 rad/s, a amplitude cresce linearmente</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>banda entre os cortes</translation>
        </message>
        <message>
            <source>black</source>
            <translation>preto</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>azul</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tensão no capacitor vC = q/C</translation>
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
            <translation>amortecimento crítico: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>current</source>
            <translation>corrente</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitude da corrente I₀</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>corrente i</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>linha tracejada</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>todas as amplitudes são 0: nada a desenhar</translation>
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
            <translation>f não deve ser 0</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fixado</translation>
        </message>
        <message>
            <source>green</source>
            <translation>verde</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>banda de meia potência</translation>
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
            <translation>tensão no indutor vL</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>módulo |H| em dB</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sem fonte de fem</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>sem fonte</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>nenhuma tensão exibida</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>não determinado</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>fora da ressonância: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>superamortecido: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pico da grandeza</translation>
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
            <translation>vermelho</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>regime indefinido para estes valores</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tensão no resistor vR = R·i</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>frequência de ressonância f₀</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>linha contínua</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>frequência da fonte f</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tensão da fonte</translation>
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
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balanço %6</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>o registro da medição contém %1 valores, tempos incluídos, e um experimento guarda no máximo %2; abra primeiro um registro mais curto na janela de medição</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>os valores são grandes demais para desenhar</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de tempo τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de tempo τ = RC = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscilação não amortecida: ω₀ = %1 rad/s, período T = %2 s</translation>
        </message>
        <message>
            <source>undefined</source>
            <translation>indefinido</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>subamortecido: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
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
            <translation>com uma fonte de fem constante (CC)</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>com uma fonte de fem alternada</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sem fonte de fem</translation>
        </message>
        <message>
            <source>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</source>
            <translation>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>corte a −3 dB (tracejado) e nível</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Corte(s) a −3 dB: %1</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Frequência de corte a −3 dB: nenhuma</translation>
        </message>
    </context>
</TS>
