<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
    <context>
        <name>AboutKel</name>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
        </message>
    </context>
    <context>
        <name>CircuitLaunchers</name>
        <message>
            <source>No EMF </source>
            <translation>Keine Quelle </translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Keine Quelle</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Gleichspannung </translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Gleichspannung</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Wechselspannung</translation>
        </message>
    </context>
    <context>
        <name>EquationsText</name>
        <message>
            <source>Differential equation</source>
            <translation>Differentialgleichung</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Anfangsbedingungen</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Schwingungsfall</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Ohne Widerstand schwingt der Kreis ungedämpft mit ω0.</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Schwingfall (α &lt; ω0): Die Ladung schwingt mit ωd innerhalb einer abklingenden Einhüllenden.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Aperiodischer Grenzfall (α = ω0): die schnellste Rückkehr ohne Schwingung.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Kriechfall (α &gt; ω0): zwei reelle Abklingraten.</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Stationärer Zustand: K·cos ωt + S·sin ωt, die Antwort bei der Kreisfrequenz ω der Quelle.</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Lösung</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Diese Werte ergeben keine Kurve: Ein Nenner ist null oder L·C ist nicht positiv.</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Aperiodischer Grenzfall: Das Programm verwendet die Grenzform (A + B·t)·e^(−αt), bei der die beiden Raten zusammenfallen.</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Nahe am aperiodischen Grenzfall schreibt das Programm die beiden Exponentialfunktionen als cosh und sinh, die stetig in die Form des Grenzfalls übergehen, statt sich gegenseitig aufzuheben.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>Die Rate näher an null ergibt sich aus s1·s2 = ω0², ohne die Auslöschung in −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Nahe der Resonanz sind der stationäre und der flüchtige Anteil groß und nahezu entgegengesetzt; das Programm berechnet dieselbe Kurve als Antwort aus der Ruhe, geschrieben mit (1 − e^(−z))/z, der Grenzform, die auch bei Resonanz exakt bleibt.</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>Bei Resonanz (ω = ω0) wächst der erzwungene Anteil linear mit t: der Grenzfall der Form außerhalb der Resonanz.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>Das Programm berechnet die Differenz der beiden Sinusfunktionen als Produkt mit sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exakt auch bei und nahe der Resonanz.</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>RC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>RC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>RL-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>RL-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>LC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>LC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>RLC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>RLC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>LC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>RC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>RL-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>RLC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Kein Kreis</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Gleichungen</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Der Text in %1 ist keine Zahl.</translation>
        </message>
    </context>
    <context>
        <name>GraphDescription</name>
        <message>
            <source>charge</source>
            <translation>Ladung</translation>
        </message>
        <message>
            <source>current</source>
            <translation>Stromstärke</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>Quellenspannung</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>blau</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rot</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>RC-Kreis</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>RL-Kreis</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>LC-Kreis</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>RLC-Kreis</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Kein Kreis</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Ladung q</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Stromstärke i</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Quellenspannung</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Keine Kurven gezeichnet.</translation>
        </message>
        <message>
            <source>%1 (%2, %3)</source>
            <translation>%1 (%2, %3)</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>gestrichelt</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>durchgezogen</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Kurven: %1.</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Zeit von %1 bis %2 s, Werte von %3 bis %4.</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Gezeichnete Durchläufe: %1.</translation>
        </message>
        <message>
            <source>%1 %2 %3</source>
            <translation>%1 %2 %3</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor bei t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor bei t = %1 s: %2.</translation>
        </message>
    </context>
    <context>
        <name>LabStatus</name>
        <message>
            <source>undefined</source>
            <translation>nicht definiert</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 ist keine Zahl</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, Wert %3 … %4</translation>
        </message>
        <message>
            <source>t = %1 s, value = %2</source>
            <translation>t = %1 s, Wert = %2</translation>
        </message>
    </context>
    <context>
        <name>LabWindow</name>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Hier klicken, um Zeit, Stromstärke und Ladung abzulesen</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Graphenauswahl</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Ladung q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Ankreuzen, um die Ladung über der Zeit zu zeichnen</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Stromstärke i(t)</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Ankreuzen, um die Stromstärke über der Zeit zu zeichnen</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Spannungen</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Quellenspannung v(t)</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Spannung am Widerstand</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Spannung am Kondensator</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Spannung an der Spule</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Werte</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Ladung</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Strom</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Anfangsladung in Coulomb</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Anfangsstromstärke in Ampere</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Ströme</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Strom im Widerstand</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Strom im Kondensator</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Strom in der Spule</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>Gleich</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>Wechsel</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>Die gewählte Art der Spannungsquelle</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>Die Frequenz der Erregerspannung</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Voltage Source</source>
            <translation>Quelle</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frequenz </translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = Eigenfrequenz</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Graphen löschen</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Graphen zeichnen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Graph speichern...</translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Graph kopieren</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Daten als CSV speichern...</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Widerstand R in Ohm</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Kapazität C in Farad</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Induktivität L in Henry</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Quellenspannung oder Amplitude v0 in Volt</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Quellenfrequenz f0 in Hertz</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Anfangsladung q0 in Coulomb</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Anfangsstromstärke i0 in Ampere</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Ladung über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Stromstärke über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Quellenspannung über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Abgelesene Zeit in Sekunden</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Abgelesene Ladung in Coulomb</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Abgelesene Stromstärke in Ampere</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Art der Quelle</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Kreisfrequenz w0 in Radiant pro Sekunde</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Graph über der Zeit</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Cursor in Bilder übernehmen</translation>
        </message>
    </context>
    <context>
        <name>NumberText</name>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Bitte einen Dezimalpunkt eingeben, wie in %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Bitte einen Dezimalpunkt eingeben, wie in 1.5.</translation>
        </message>
    </context>
    <context>
        <name>PhasorsWindow</name>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Spannung am Widerstand</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Spannung am Kondensator</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Spannung an der Spule</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Gesamtspannung an LCR </translation>
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
            <translation>Widerstand R in Ohm</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Kapazität C in Farad</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Induktivität L in Henry</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude der Quellenspannung Vmax in Volt</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Quellenfrequenz f in Hertz</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Zeit in Sekunden</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Periodenzahl</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Zeitleiste</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Spannung am Widerstand anzeigen</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Spannung am Kondensator anzeigen</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Spannung an der Spule anzeigen</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Gesamtspannung anzeigen</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Zeigerprojektionen</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude der Spannung am Widerstand in Volt</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Spannung am Widerstand zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude der Kondensatorspannung in Volt</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Kondensatorspannung zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude der Spulenspannung in Volt</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Spulenspannung zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Gesamtspannung zum Zeitpunkt t in Volt</translation>
        </message>
    </context>
    <context>
        <name>RegimeText</name>
        <message>
            <source>undefined</source>
            <translation>nicht definiert</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>ohne Quelle</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>Kriechfall: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>aperiodischer Grenzfall: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>Schwingfall: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>für diese Werte kein Schwingungsfall bestimmbar</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>Zeitkonstante τ = RC = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>Zeitkonstante τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>ungedämpfte Schwingung: ω₀ = %1 rad/s, Periodendauer T = %2 s</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>bei Resonanz: ω = ω₀ = %1 rad/s, die Amplitude wächst linear</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>außerhalb der Resonanz: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
    </context>
    <context>
        <name>StartupText</name>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Es gibt keine Übersetzung in "%1"; das Programm bleibt auf Englisch.</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" zeigt die Optionen.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Es gibt keinen Bildschirm, auf dem die Fenster erscheinen könnten (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Die Bilder eines Versuchs lassen sich auch ohne schreiben: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Der Versuch %1 lässt sich nicht öffnen. %2</translation>
        </message>
    </context>
    <context>
        <name>WorksheetCommands</name>
        <message>
            <source>Worksheet Task…</source>
            <translation>Aufgabe für das Arbeitsblatt…</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Arbeitsblatt drucken…</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Arbeitsblatt als PDF speichern…</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>Die Aufgabe, die auf dem Arbeitsblatt steht, für die Schülerinnen und Schüler:</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Aufgabe für das Arbeitsblatt</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Arbeitsblatt drucken</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Arbeitsblatt als PDF speichern</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>PDF-Dokument (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>WorksheetPage</name>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Arbeitsblatt</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Arbeitsblatt: %1</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Aufgabe</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Gleichungen</translation>
        </message>
    </context>
    <context>
        <name>kel::about::AboutKel</name>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Ein unfertiges Werk, entstanden in den frühen Morgenstunden des 18. März 1998. Mit Vorsicht verwenden! – Überarbeitet am 22. März 1998.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>&amp;Systeminfo...</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Über %1</translation>
        </message>
    </context>
    <context>
        <name>kel::display</name>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>Die Datei ist größer als %1 MB und damit zu groß für einen Versuch.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::AxisNumbers</name>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Achsenzahlen</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentFile</name>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>Die Datei ist kein Versuch: Sie ist kein JSON (%1 bei Zeichen %2).</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>Die Datei ist kein Versuch: Sie enthält kein JSON-Objekt.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>Die Datei ist kein Versuch des Kel-Kreislabors (ihr "format" ist nicht "kel-experiment").</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>Der Versuch wurde mit einer neueren Version des Kel-Kreislabors gespeichert (Dateiformat %1; diese Version liest bis %2).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>Die Datei existiert nicht.</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>Die Aufgabe des Versuchs hat %1 Zeichen; gelesen werden höchstens %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentMenu</name>
        <message>
            <source>Experiment</source>
            <translation>Versuch</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Versuch öffnen...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Versuch speichern</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Versuch speichern unter...</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Zuletzt geöffnete Versuche</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Der Versuch %1 lässt sich nicht öffnen. %2</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Versuch öffnen</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>Der Versuch %1 gehört zu einem anderen Fenster.</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Kel-Versuch (*.kel);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Die Datei %1 konnte nicht gespeichert werden: %2.</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Versuch speichern unter</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Kel-Versuch (*.kel)</translation>
        </message>
    </context>
    <context>
        <name>kel::display::JsonReader</name>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>Dem Versuch fehlt der Eintrag %1.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>Der Versuch hat einen Eintrag %1, den diese Version nicht kennt.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>Der Eintrag %1 ist keine Gruppe von Einträgen in geschweiften Klammern.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>Der Eintrag %1 ist kein Text in Anführungszeichen.</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>Der Text %1 von %2 ist keine Zahl.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>Der Eintrag %1 ist keine ganze Zahl.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>Der Eintrag %1 ist %2; er muss zwischen %3 und %4 liegen.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>Der Eintrag %1 ist weder true noch false.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>Der Eintrag %1 ist %2, nicht einer von %3.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>Der Eintrag %1 ist keine Liste in eckigen Klammern.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>Die Liste %1 enthält %2; das ist keiner von %3.</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>ein Eintrag, der kein Name ist</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>Die Liste %1 enthält %2 zweimal.</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergySession</name>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Wählen Sie zuerst im Hauptmenü eine Schaltung.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Mit diesen Parametern hat die Schaltung im Zeitbereich des Graphen keine endliche Energie.</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, Bilanz %6</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Bilanz W_C + W_L + W_R − W_S = %1, größte Abweichung %2</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergyWindow</name>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C Kondensator</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L Spule</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R Wärme im Widerstand</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S Arbeit der Quelle</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energie</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Klicken oder Links und Rechts drücken, um die Energien zu einer Zeit abzulesen</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energien über der Zeit</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Daten speichern...</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Bild speichern...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>Die Energie im Kondensator W_C, in der Spule W_L, die Wärme im Widerstand W_R und die Arbeit der Quelle W_S von t = %1 s bis %2 s. %3</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Daten speichern</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Bild speichern</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>kel::lab</name>
        <message>
            <source>Input Error</source>
            <translation>Eingabefehler</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Diese Parameter ergeben bei t = %1 s keinen endlichen Wert für Ladung oder Stromstärke. Es wurde nichts gezeichnet.</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 liegt außerhalb des Bereichs, den dieses Programm zeichnen kann: Der Betrag muss zwischen %2 und %3 liegen. Es wurde nichts gezeichnet.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>In der Skalierung %1 ist x1 gleich x2.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::EquationsWindow</name>
        <message>
            <source>Equations</source>
            <translation>Gleichungen</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Als LaTeX kopieren</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabExperiment</name>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>Der Eintrag "lab.launcher" ist %1; das ist keine Schaltfläche eines Kreises.</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>Der Eintrag "lab.circuit" ist %1, aber Schaltfläche %2 wählt Kreis %3.</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>Schaltfläche %1 zeichnet den Rahmen der aktuellen Skalierung, daher kann "lab.frame" nicht "fixed" sein.</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>Der Versuch hat %1 Graphen; höchstens %2 werden gelesen.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>Die Messung gehört zu Kreis %1, aber Schaltfläche %2 des Labors wählt Kreis %3.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabSession</name>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Fehler: %1 ist zu groß für den Graphen. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Fehler: %1 ist keine Zahl. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Fehler in der Eingabe</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Der Text in %1 ist keine Zahl.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Ungültige Parameterwerte</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Der Text in Zeit ist keine Zahl.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Diese Parameter ergeben zu diesem Zeitpunkt keinen endlichen Wert für Stromstärke oder Ladung.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabWindow</name>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Kel-Kreislabor für Dax 202</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Kleinsten Wert von t eingeben</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Kleinster Wert von t</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Größten Wert von t eingeben</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Größter Wert von t</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Fehler: x1 = x2. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Fehler in der Eingabe</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Kleinsten Wert der Hochachse eingeben</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Kleinster Wert der Hochachse</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Größten Wert der Hochachse eingeben</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Größter Wert der Hochachse</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Fehler: y1 = y2. Bitte noch einmal</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Bei hohen Frequenzen kann dieser Graph ungenau sein, weil er aus zu wenigen Punkten gezeichnet wird</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Hinweis zum Graphen</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Graph speichern</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Es gibt keine gezeichneten Daten zum Speichern. Bitte zuerst Graphen zeichnen wählen.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Daten als CSV speichern</translation>
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
            <translation>CSV-Tabelle (*.csv)</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Gleichungen</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Resonanzkurve</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Daten</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Messung öffnen...</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energie</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Frequenzgang</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Referenz setzen</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Schaltkreislabor</translation>
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
            <translation>Ablesung: %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Gegenüber der Referenz: %1</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>die Aufzeichnung der Messung enthält %1 Werte, die Zeiten mitgezählt, und ein Versuch speichert höchstens %2; öffnen Sie zuerst eine kürzere Aufzeichnung im Messfenster</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement</name>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>Der Eintrag %1 ist nicht der Base64-Text von %2 Messwerten.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>Messwert %1 von %2 ist keine endliche Zahl.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>Die Liste %1 nennt %2, das Kreis %3 nicht hat.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>Die Liste %1 hat %2 Parameter; Kreis %3 hat %4.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>Der Eintrag %1 ist %2; Kreis %3 hat dort %4.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementExperiment</name>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>Die Liste %1 hat %2 Spalten; eine Messung hat 1 bis %3.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>Die Messung hat %1 Messwerte; sie braucht mindestens %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>Die Messung enthält %1 Werte, die Zeiten mitgezählt; ein Versuch speichert höchstens %2.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>Messwert %1 von %2 liegt nicht später als der vorige.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>Das Anpassungsfenster von %1 bis %2 ist kein Zeitabschnitt der Aufzeichnung.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementWindow</name>
        <message>
            <source>Recording graph</source>
            <translation>Grafik der Aufzeichnung</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>Aufzeichnung ö&amp;ffnen...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Kanal</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>Kondensatorspannung vC = q/C</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>Widerstandsspannung vR = R·i</translation>
        </message>
        <message>
            <source>inductor voltage vL</source>
            <translation>Spulenspannung vL</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>Stromstärke i</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>Ladung q</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>S&amp;palte:</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Gemessen:</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Anpassen &amp;von (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Anpassen &amp;bis (s):</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Freie Parameter</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>An&amp;passen</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>Ins &amp;Labor übernehmen</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Messung öffnen</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Aufzeichnungen (*.csv *.txt *.tsv *.dat);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>Das Lesen von %1 wurde abgebrochen.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 kann nicht als Aufzeichnung geöffnet werden.
%2</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>Die Datei kann nicht gelesen werden (%1).</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Sie hat %1 Bytes; eine Aufzeichnung darf höchstens %2 haben.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Sie hat %1 Zeilen; eine Aufzeichnung darf höchstens %2 haben.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Sie ist kein Text: Zeile %1 enthält ein Steuerzeichen bei Byte %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Sie ist leer.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>Zeile %1 hat nur eine Spalte; eine Aufzeichnung braucht eine Zeit und einen Wert.</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>Zeile %1 hat %2 Wertespalten; höchstens vier werden gelesen.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Zeile %1, Spalte %2: Die Zeile hat nicht die %3 Spalten der ersten Zeile.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine Zahl.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine endliche Zahl.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Zeile %1, Spalte %2: Die Zeit %3 ist nicht später als die vorige.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Zeile %1: nur %2 Messwerte; mindestens 3 sind nötig.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine brauchbare Startzeit oder Schrittweite.</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Anpassen von</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Anpassen bis</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>Der Text von „%1“ ist keine Zahl in Sekunden.</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Messung</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>Das Anpassungsfenster von %1 s bis %2 s enthält keine Zeit der Aufzeichnung.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Wählen Sie zuerst im Labor einen Schaltkreis.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>Der Schaltkreis des Labors hat diese Größe nicht: Wählen Sie, was die Spalte gemessen hat.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>Das Feld eines festgehaltenen Parameters im Labor ist keine Zahl: Tragen Sie dort seinen Wert ein oder kreuzen Sie ihn als frei an.</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Anpassung</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>Die Anpassung wurde abgebrochen.</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Messung - %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Aufzeichnung: %1, %2 Messwerte</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Keine Aufzeichnung geöffnet.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Wählen Sie im Labor einen Schaltkreis: Seine Werte sind die Start- und festen Werte der Anpassung.</translation>
        </message>
        <message>
            <source>%1 = %2 %3</source>
            <translation>%1 = %2 %3</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(keine Zahl)</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Schaltkreis des Labors %1: %2</translation>
        </message>
        <message>
            <source>%1 = %2 %3 (held)</source>
            <translation>%1 = %2 %3 (fest)</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: durch diese Daten nicht bestimmt</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Mittleres Residuum (RMS) %1, %2 Punkte%3</translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, nicht konvergiert</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 und %2 sind korreliert (%3).</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Diese Daten können %1 nicht unterscheiden; halten Sie %2 auf einem bekannten Wert fest und passen Sie erneut an.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>Das Anpassungsfenster enthält zu wenige Messwerte für die freien Parameter.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Kreuzen Sie mindestens einen Parameter zum Anpassen an.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Ein festgehaltenes R, L, C oder f0 muss im Labor eine positive Zahl sein.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>Der Schaltkreis des Labors hat diese Größe nicht.</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Kein Schaltkreis dieser Art passt zu diesen Messwerten.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Es wird keine Aufzeichnung gezeigt.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 Punkte von %2 von %3 s bis %4 s; Anpassungsfenster %5 s bis %6 s.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Keine Modellkurve: Dem Schaltkreis des Labors fehlt ein Wert oder diese Größe.</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Modellkurve des angepassten Schaltkreises. Ergebnis der Anpassung: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Modellkurve des Schaltkreises des Labors, noch nicht angepasst.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Aufzeichnung: %1</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::RecordingGraph</name>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Öffnen Sie eine Aufzeichnung (Strg+O), um ihre Messwerte hier zu sehen.</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Residuen</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor</name>
        <message>
            <source>Phasors</source>
            <translation>Zeiger</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Spannungen über der Zeit</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Klicken, um zu diesem Zeitpunkt neu zu zeichnen</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Zeigerprojektionen</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Zeichnet waagerechte Linien ein, die die Projektion auf die Hochachse zeigen.</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Zeitleiste</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Periodenzahl</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Anzahl der Perioden in den Spannung-Zeit-Diagrammen</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Angezeigte Graphen</translation>
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
            <translation>Diese Spannung ein- oder ausblenden</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Zeigerdiagramm</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Spannung-Zeit-Diagramm</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 ist keine Zahl</translation>
        </message>
        <message>
            <source>f must not be 0</source>
            <translation>f darf nicht 0 sein</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>Die Periodenzahl darf nicht 0 sein</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>Die Periodenzahl muss größer als 0 sein</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: Die Stromstärke wäre unendlich</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>die Werte sind zu groß zum Zeichnen</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>alle Amplituden sind 0: nichts zu zeichnen</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Periodenzahl / f ist zu lang oder zu kurz zum Zeichnen</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Der Text in %1 ist keine Zahl.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>Die Frequenz f darf nicht 0 sein.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>Die Periodenzahl darf nicht 0 sein.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>Die Periodenzahl muss größer als 0 sein: Bei 0 oder weniger Perioden bleibt keine Zeit zum Zeichnen.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>Die Impedanz ist 0 (R ist 0, und die Blindwiderstände von L und C heben sich auf), also wäre die Stromstärke unendlich. Bitte R, C, L oder f ändern.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Die Werte von R, C, L, Vmax und f ergeben Spannungen, die zu groß zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>Die größte Spannungsamplitude ist 0 (VRmax, VCmax, VLmax und Vmax sind alle 0 oder kleiner), es gibt also nichts zu zeichnen. Bitte ein positives Vmax eingeben.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>Das gezeichnete Intervall, Periodenzahl / f, ist zu lang oder zu kurz zum Zeichnen.</translation>
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
            <translation>V gesamt</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>blau</translation>
        </message>
        <message>
            <source>green</source>
            <translation>grün</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rot</translation>
        </message>
        <message>
            <source>black</source>
            <translation>schwarz</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 wird %2 gezeichnet</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Spannung über der Zeit von %1 bis %2 s, %3 bis %4 V: %5.</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>keine Spannung angezeigt</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Markierung bei t2 = %1 s.</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Spannung über der Zeit: leer. Wählen Sie „Zeichnen“.</translation>
        </message>
        <message>
            <source>%1 %2 V at %3°</source>
            <translation>%1 %2 V bei %3°</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Zeiger bei t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Zeigerdiagramm: leer. Wählen Sie „Zeichnen“.</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsAnimator</name>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Abspielen</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Läuft mit %1×</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>Angehalten bei %1×</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsWindow</name>
        <message>
            <source>Phasor Plots</source>
            <translation>Zeigerdiagramme</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Zeichnen</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Graphen löschen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Bild speichern...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Bild kopieren</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Daten als CSV speichern...</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animieren</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Abspielen</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Langsamer</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Schneller</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Neu starten</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Eingabefehler</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Der Text in Zeit ist keine Zahl.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>Die Zeit liegt zu weit außerhalb des gezeichneten Intervalls.</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Bild speichern</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Es gibt keine gezeichneten Spannungen zum Speichern. Bitte zuerst Zeichnen wählen.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Daten als CSV speichern</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>CSV-Tabelle (*.csv)</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Referenz setzen</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Reihenschaltung, Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Perioden</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplituden: VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>Bei t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResonanceWindow</name>
        <message>
            <source>Resonance Curve</source>
            <translation>Resonanzkurve</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Klicken, um die Quelle auf diese Frequenz zu stellen</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude und Phase der Stromstärke in Abhängigkeit von der Frequenz</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frequenz f (logarithmische Skala)</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>Amplitude der Stromstärke I₀</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>Phase φ</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>Resonanzfrequenz f₀</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>Quellenfrequenz f</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>Bereich halber Leistung</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Bild speichern...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Bild kopieren</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Daten als CSV speichern...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Resonanzfrequenz f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Güte Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Quelle f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>Die Quellenfrequenz f = %1 liegt nicht auf der Frequenzachse.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>Die Amplitude der Quelle</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>Die Frequenz der Quelle</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 „%2“ ist keine Zahl.</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: Ohne Widerstand ist Q unendlich und die Stromstärke bei Resonanz unbegrenzt. Bitte für R einen Wert größer als 0 eingeben.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R ist negativ: Bitte für R einen Wert größer als 0 eingeben.</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>Damit der Kreis schwingen kann, muss L größer als 0 sein.</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>Damit der Kreis schwingen kann, muss C größer als 0 sein (C = 0 bedeutet: kein Kondensator).</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Diese Werte ergeben Frequenzen oder Stromstärken, die zu groß oder zu klein zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>Der Bereich halber Leistung ist zu schmal zum Berechnen: Q ist zu groß. Bitte für R einen größeren Wert eingeben.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>Das Bild zeigt die letzten Werte, die sich zeichnen ließen.</translation>
        </message>
        <message>
            <source>f = %1   I₀ = %2   φ = %3</source>
            <translation>f = %1   I₀ = %2   φ = %3</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Bild speichern</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Es gibt noch keine Kurve zum Speichern.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Daten als CSV speichern</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>CSV-Tabelle (*.csv)</translation>
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
            <translation>Bandbreite Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Bereich halber Leistung (schattiert): %1 bis %2, wo I₀ = I₀max/√2 und φ = ±45°</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Oben: Amplitude der Stromstärke I₀ von %1 bis %2.
Unten: Phase φ von −90° bis +90°, graue Linien bei ±45°.
Eine Frequenz anklicken oder mit Links und Rechts wählen, um die Quelle darauf zu stellen.</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Frequenzgang</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Betrag und Phase in Abhängigkeit von der Frequenz</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Angezeigte Größe</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Klicken Sie auf eine Frequenz oder drücken Sie Links oder Rechts, um die Quelle darauf einzustellen.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Eine Schaltung ohne L und C zusammen hat keine Resonanz.</translation>
        </message>
        <message>
            <source>f = %1   |H| = %2 dB   φ = %3</source>
            <translation>f = %1   |H| = %2 dB   φ = %3</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>Betrag |H| in dB</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>−3-dB-Grenzfrequenz (gestrichelt) und Pegel</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>Band zwischen den Grenzfrequenzen</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>Asymptoten (gestrichelt)</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>Maximum der Größe</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Seiten</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>Der LC-Schwingkreis hat keinen Widerstand: Q ist unendlich und der Strom bei Resonanz unbegrenzt, daher gibt es keine Kurve. Die Seite Frequenzgang zeigt sein Verhalten.</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResponseSession</name>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L und C müssen für einen Frequenzgang positive Zahlen sein.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Ein Frequenzgang braucht eine Schaltung mit Wechselspannungsquelle.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Diese Werte ergeben Frequenzen, die zu groß oder zu klein zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Spannung an R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Spannung an C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Spannung an L (V_L/V)</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Strom (I/V, dB bez. auf 1 A/V)</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>−3-dB-Grenzfrequenz: keine</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>−3-dB-Grenzfrequenz(en): %1</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Band dazwischen (schattiert): Breite %1</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asymptoten: %1 dB/Dekade darunter, %2 dB/Dekade darüber</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Resonanzfrequenz f₀ = %1</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Maximum von %1: %2 dB bei %3</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 hat kein Maximum: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Maximum: %1 dB bei %2</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Quelle f = %1: %2 dB, Phase %3</translation>
        </message>
    </context>
    <context>
        <name>kel::shell</name>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit braucht die Schaltung und die Messgröße (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>Die Schaltung %1 ist keine von rc, rl, lc, rlc, jeweils allein oder mit -dc oder -ac.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>Die Messgröße %1 ist keine von vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>Die Schaltung %1 hat kein %2.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 ist nicht NAME=WERT mit NAME aus R, L, C, v0, f0, q0, i0 und einer Zahl als WERT, etwa --fix C=1e-6.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>Die Schaltung %1 hat keinen Parameter %2.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>Der Parameter %1 ist mehrfach festgehalten.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>Das festgehaltene %1 muss größer als 0 sein.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>Die Zeit %1 von --%2 ist keine Zahl von Sekunden.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>Das Zeitfenster von %1 s bis %2 s ist leer.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>Der Kanal %1 ist keine Spaltennummer ab 1.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>Die Anpassung wurde abgebrochen.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>Die Schaltung hat diese Messgröße nicht.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>Das Zeitfenster enthält zu wenige Messwerte für die anzupassenden Parameter.</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Alle Parameter sind festgehalten; es gibt nichts anzupassen.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Die Messwerte enthalten einen Wert, der keine endliche Zahl ist.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Ein festgehaltener Wert ist keine Zahl, die die Schaltung haben kann.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>Die Lösung der Schaltung hat für diese Messwerte keinen endlichen Wert; die Anpassung ist nicht möglich.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Schaltung %1, Messgröße %2, %3 Messwerte</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>Die Anpassung ist konvergiert.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>Die Anpassung ist nicht konvergiert.</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Mittleres Residuum (RMS): %1</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Unsicherheit</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>nicht bestimmt</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>festgehalten</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Die Daten können %1 nicht bestimmen; %2 festhalten (--fix NAME=WERT), um die übrigen zu bestimmen.</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 und %2 sind korreliert: %3.</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>Die Aufzeichnung hat keinen Kanal %1; sie hat %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::CommandLine</name>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Kel-Kreislabor: die exakte Ladung, Stromstärke und Spannungen von RC-, RL-, LC- und RLC-Reihenschaltungen und die Zeiger eines angeregten RLC-Kreises.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Zeigt die Version des Programms.</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Zeigt das Programm in der Sprache CODE (de, en, es, fr, pt_BR) statt in der des Systems.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Schreibt das Bild des Versuchs als PNG in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Schreibt das Bild des Versuchs als SVG in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Schreibt die Werte des letzten Graphen des Versuchs als CSV in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Passt das PNG in WxH Pixel ein (etwa 1600x1200), ohne das Seitenverhältnis zu ändern.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>Der zu öffnende Versuch.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>Die Option --%1 ist mehrfach angegeben.</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Bitte nur eine Versuchsdatei angeben, nicht %1.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>Die Option --%1 braucht einen Wert.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>Die Größe "%1" hat nicht die Form BREITExHÖHE in Pixeln von 1 bis %2, etwa 1600x1200.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>Die Option --size legt die Größe für --export-png fest; bitte beide angeben.</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>Zum Exportieren wird die Versuchsdatei gebraucht (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Passt die exakte Lösung der Schaltung an die Aufzeichnung FILE an und schreibt jeden Wert mit seiner Unsicherheit, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit liest eine Aufzeichnung für sich; dazu keine Versuchsdatei und keinen Export angeben.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>Die Option --fit braucht einen Wert.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>Die Option --%1 gehört zu --fit.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>Die Option --fix gehört zu --fit.</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Schreibt die Energien der Schaltung des Experiments (t,W_C,W_L,W_R,W_S) als CSV in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Schreibt das Arbeitsblatt des Versuchs (Schaltung, Parameter, Graph, Gleichungen und Aufgabe auf einer Seite, der Versuch angehängt) als PDF in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::ExportRun</name>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Dieses Programm kann das Fenster des Versuchs nicht öffnen.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>Der Versuch enthält keinen Graphen, dessen Werte geschrieben werden könnten.</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>Die Schaltung des Experiments hat keine Energien, die geschrieben werden könnten.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>Das Fenster des Versuchs hat kein Arbeitsblatt.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::FitOptions</name>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Mit --fit: die Schaltung, eine von rc, rl, lc, rlc, jeweils allein (ohne Quelle) oder mit -dc oder -ac.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Mit --fit: was der Kanal gemessen hat, vC, vR, vL, i oder q.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Mit --fit: hält einen Parameter (R, L, C, v0, f0, q0, i0) auf einem Wert in SI-Einheiten fest; alle anderen werden angepasst.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Mit --fit: passt die Messwerte ab dieser Zeit an, in Sekunden.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Mit --fit: passt die Messwerte bis zu dieser Zeit an, in Sekunden.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Mit --fit: die anzupassende Wertespalte, standardmäßig 1.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Mit --fit: schreibt das Ergebnis als ein JSON-Objekt.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::MainMenu</name>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Kel-Labor für Dax 202</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Kel-Kreislabor</translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Ohne Quelle</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Gleichspannung</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Wechselspannung</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>ohne Spannungsquelle</translation>
        </message>
        <message>
            <source>with a constant (DC) emf source</source>
            <translation>mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Nur %1-Kreise %2 untersuchen</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>RC-Kreise</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>RL-Kreise</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>LC-Kreise</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Kel-Kreise</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Zeiger</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Öffnet das Werkzeug für Zeigerdiagramme und Phasenbeziehungen</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Beendet das Programm!</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>ohne Spannungsquelle</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Reihenschaltung: Spannungsquelle E, Widerstand R, Kondensator C und Spule L</translation>
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
            <translation>%1 %2 V bei %3°</translation>
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
            <translation>%1 = %2 %3 (fest)</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 und %2 sind korreliert (%3).</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 und %2 sind korreliert: %3.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 kann nicht als Aufzeichnung geöffnet werden.
%2</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 hat kein Maximum: Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 %2</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 wird %2 gezeichnet</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 ist keine Zahl</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 liegt außerhalb des Bereichs, den dieses Programm zeichnen kann: Der Betrag muss zwischen %2 und %3 liegen. Es wurde nichts gezeichnet.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 Punkte von %2 von %3 s bis %4 s; Anpassungsfenster %5 s bis %6 s.</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 „%2“ ist keine Zahl.</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1: durch diese Daten nicht bestimmt</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>Ins &amp;Labor übernehmen</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Gemessen:</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>Aufzeichnung ö&amp;ffnen...</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>&amp;Systeminfo...</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(keine Zahl)</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, nicht konvergiert</translation>
        </message>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit braucht die Schaltung und die Messgröße (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit liest eine Aufzeichnung für sich; dazu keine Versuchsdatei und keinen Export angeben.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 ist nicht NAME=WERT mit NAME aus R, L, C, v0, f0, q0, i0 und einer Zahl als WERT, etwa --fix C=1e-6.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Eine Schaltung ohne L und C zusammen hat keine Resonanz.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Ein festgehaltener Wert ist keine Zahl, die die Schaltung haben kann.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Ein Frequenzgang braucht eine Schaltung mit Wechselspannungsquelle.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Ein festgehaltenes R, L, C oder f0 muss im Labor eine positive Zahl sein.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>Das Feld eines festgehaltenen Parameters im Labor ist keine Zahl: Tragen Sie dort seinen Wert ein oder kreuzen Sie ihn als frei an.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>Wechsel</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Wechselspannung</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Über</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Über %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Gegenüber der Referenz: %1</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Wechselspannung</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude der Kondensatorspannung in Volt</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude der Spulenspannung in Volt</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude der Spannung am Widerstand in Volt</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplituden: VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Kreisfrequenz w0 in Radiant pro Sekunde</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animieren</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asymptoten: %1 dB/Dekade darunter, %2 dB/Dekade darüber</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>Bei Resonanz (ω = ω0) wächst der erzwungene Anteil linear mit t: der Grenzfall der Form außerhalb der Resonanz.</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>Bei t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Achsenzahlen</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Bilanz W_C + W_L + W_R − W_S = %1, größte Abweichung %2</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Band dazwischen (schattiert): Breite %1</translation>
        </message>
        <message>
            <source>Bandwidth Δf = R/(2πL) = %1</source>
            <translation>Bandbreite Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Öffnet das Werkzeug für Zeigerdiagramme und Phasenbeziehungen</translation>
        </message>
        <message>
            <source>C =</source>
            <translation>C =</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>Damit der Kreis schwingen kann, muss C größer als 0 sein (C = 0 bedeutet: kein Kondensator).</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>S&amp;palte:</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>CSV-Tabelle (*.csv)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Kapazität C in Farad</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Strom im Kondensator</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Spannung am Kondensator</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Kondensatorspannung zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Kanal</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Ladung</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Ladung q</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Ladung q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Ankreuzen, um die Ladung über der Zeit zu zeichnen</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Ankreuzen, um die Stromstärke über der Zeit zu zeichnen</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Wählen Sie zuerst im Labor einen Schaltkreis.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Wählen Sie im Labor einen Schaltkreis: Seine Werte sind die Start- und festen Werte der Anpassung.</translation>
        </message>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Wählen Sie zuerst im Hauptmenü eine Schaltung.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Schaltung %1, Messgröße %2, %3 Messwerte</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Schaltkreislabor</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Graphen löschen</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Klicken Sie auf eine Frequenz oder drücken Sie Links oder Rechts, um die Quelle darauf einzustellen.</translation>
        </message>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Hier klicken, um Zeit, Stromstärke und Ladung abzulesen</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Klicken, um zu diesem Zeitpunkt neu zu zeichnen</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Klicken, um die Quelle auf diese Frequenz zu stellen</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Klicken oder Links und Rechts drücken, um die Energien zu einer Zeit abzulesen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Nahe am aperiodischen Grenzfall schreibt das Programm die beiden Exponentialfunktionen als cosh und sinh, die stetig in die Form des Grenzfalls übergehen, statt sich gegenseitig aufzuheben.</translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Gleichspannung</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Gleichspannung </translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Graph kopieren</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Bild kopieren</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Als LaTeX kopieren</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Aperiodischer Grenzfall: Das Programm verwendet die Grenzform (A + B·t)·e^(−αt), bei der die beiden Raten zusammenfallen.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Aperiodischer Grenzfall (α = ω0): die schnellste Rückkehr ohne Schwingung.</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Strom</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Strom (I/V, dB bez. auf 1 A/V)</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude und Phase der Stromstärke in Abhängigkeit von der Frequenz</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Stromstärke i</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Stromstärke i(t)</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Ströme</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Cursor bei t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Cursor bei t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Kurven: %1.</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Perioden</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>Gleich</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Gleichspannung</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>Differential equation</source>
            <translation>Differentialgleichung</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Energien über der Zeit</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Energie</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Größten Wert von t eingeben</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Größten Wert der Hochachse eingeben</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Kleinsten Wert von t eingeben</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Kleinsten Wert der Hochachse eingeben</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Gleichungen</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Fehler in der Eingabe</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Fehler: %1 ist keine Zahl. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Fehler: %1 ist zu groß für den Graphen. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Fehler: x1 = x2. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Fehler: y1 = y2. Bitte noch einmal</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Alle Parameter sind festgehalten; es gibt nichts anzupassen.</translation>
        </message>
        <message>
            <source>Experiment</source>
            <translation>Versuch</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>Zum Exportieren wird die Versuchsdatei gebraucht (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>An&amp;passen</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Schneller</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Anpassung</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Anpassen &amp;von (s):</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Anpassen &amp;bis (s):</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Anpassen von</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Anpassen bis</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Passt das PNG in WxH Pixel ein (etwa 1600x1200), ohne das Seitenverhältnis zu ändern.</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Passt die exakte Lösung der Schaltung an die Aufzeichnung FILE an und schreibt jeden Wert mit seiner Unsicherheit, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Freie Parameter</translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Frequenz </translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Frequenzgang</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Frequenz f (logarithmische Skala)</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Bitte nur eine Versuchsdatei angeben, nicht %1.</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Skalierung</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Graphenauswahl</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Graph über der Zeit</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Hinweis zum Graphen</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Angezeigte Graphen</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Bereich halber Leistung (schattiert): %1 bis %2, wo I₀ = I₀max/√2 und φ = ±45°</translation>
        </message>
        <message>
            <source>I0 (A)</source>
            <translation>I0 (A)</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Cursor in Bilder übernehmen</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Induktivität L in Henry</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Strom in der Spule</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Spannung an der Spule</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Spulenspannung zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Anfangsladung in Coulomb</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Anfangsladung q0 in Coulomb</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Anfangsbedingungen</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Anfangsstromstärke i0 in Ampere</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Anfangsstromstärke in Ampere</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Eingabefehler</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Sie hat %1 Bytes; eine Aufzeichnung darf höchstens %2 haben.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Sie hat %1 Zeilen; eine Aufzeichnung darf höchstens %2 haben.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Sie ist leer.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Sie ist kein Text: Zeile %1 enthält ein Steuerzeichen bei Byte %2.</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Kel-Kreislabor</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Kel-Kreislabor: die exakte Ladung, Stromstärke und Spannungen von RC-, RL-, LC- und RLC-Reihenschaltungen und die Zeiger eines angeregten RLC-Kreises.</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Kel-Kreise</translation>
        </message>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Kel-Kreislabor für Dax 202</translation>
        </message>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Kel-Labor für Dax 202</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Kel-Versuch (*.kel)</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Kel-Versuch (*.kel);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>L =</source>
            <translation>L =</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>Damit der Kreis schwingen kann, muss L größer als 0 sein.</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>LC-Kreise</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>LC-Kreis</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>LC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>LC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>LC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Schaltkreis des Labors %1: %2</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>Schaltfläche %1 zeichnet den Rahmen der aktuellen Skalierung, daher kann "lab.frame" nicht "fixed" sein.</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>Zeile %1 hat %2 Wertespalten; höchstens vier werden gelesen.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>Zeile %1 hat nur eine Spalte; eine Aufzeichnung braucht eine Zeit und einen Wert.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine endliche Zahl.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine Zahl.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Zeile %1, Spalte %2: „%3“ ist keine brauchbare Startzeit oder Schrittweite.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Zeile %1, Spalte %2: Die Zeile hat nicht die %3 Spalten der ersten Zeile.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Zeile %1, Spalte %2: Die Zeit %3 ist nicht später als die vorige.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Zeile %1: nur %2 Messwerte; mindestens 3 sind nötig.</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Betrag und Phase in Abhängigkeit von der Frequenz</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Referenz setzen</translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Markierung bei t2 = %1 s.</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Größter Wert von t</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Größter Wert der Hochachse</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Messung</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Messung - %1</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Kleinster Wert von t</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Kleinster Wert der Hochachse</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Modellkurve des angepassten Schaltkreises. Ergebnis der Anpassung: %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Modellkurve des Schaltkreises des Labors, noch nicht angepasst.</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Nahe der Resonanz sind der stationäre und der flüchtige Anteil groß und nahezu entgegengesetzt; das Programm berechnet dieselbe Kurve als Antwort aus der Ruhe, geschrieben mit (1 − e^(−z))/z, der Grenzform, die auch bei Resonanz exakt bleibt.</translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Keine Quelle</translation>
        </message>
        <message>
            <source>No EMF </source>
            <translation>Keine Quelle </translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Ohne Quelle</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Kein Kreis</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Kein Schaltkreis dieser Art passt zu diesen Messwerten.</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Keine Kurven gezeichnet.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Keine Modellkurve: Dem Schaltkreis des Labors fehlt ein Wert oder diese Größe.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Es wird keine Aufzeichnung gezeigt.</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Keine Aufzeichnung geöffnet.</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Keine</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Periodenzahl</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Periodenzahl / f ist zu lang oder zu kurz zum Zeichnen</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>Die Periodenzahl muss größer als 0 sein</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>Die Periodenzahl darf nicht 0 sein</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Periodenzahl</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Anzahl der Perioden in den Spannung-Zeit-Diagrammen</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Versuch öffnen</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Versuch öffnen...</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Messung öffnen</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Messung öffnen...</translation>
        </message>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Öffnen Sie eine Aufzeichnung (Strg+O), um ihre Messwerte hier zu sehen.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Kriechfall (α &gt; ω0): zwei reelle Abklingraten.</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>PDF-Dokument (*.pdf)</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Seiten</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Parameter</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>Angehalten bei %1×</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Maximum von %1: %2 dB bei %3</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Maximum: %1 dB bei %2</translation>
        </message>
        <message>
            <source>Phasor Plots</source>
            <translation>Zeigerdiagramme</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Zeigerprojektionen</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Zeigerdiagramm</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Zeigerdiagramm: leer. Wählen Sie „Zeichnen“.</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Zeigerprojektionen</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Zeiger</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Zeiger bei t = %1 s: %2.</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Abspielen</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Läuft mit %1×</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Zeichnen</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Graphen zeichnen</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Ladung über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Stromstärke über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Quellenspannung über der Zeit zeichnen</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Gezeichnete Durchläufe: %1.</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Arbeitsblatt drucken</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Arbeitsblatt drucken…</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Güte Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Angezeigte Größe</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Beendet das Programm!</translation>
        </message>
        <message>
            <source>R =</source>
            <translation>R =</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0: Ohne Widerstand ist Q unendlich und die Stromstärke bei Resonanz unbegrenzt. Bitte für R einen Wert größer als 0 eingeben.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R ist negativ: Bitte für R einen Wert größer als 0 eingeben.</translation>
        </message>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L und C müssen für einen Frequenzgang positive Zahlen sein.</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>RC-Kreise</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>RC-Kreis</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>RC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>RC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>RC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>RL-Kreise</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>RL-Kreis</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>RL-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>RL-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>RL-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>RLC-Kreis</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>RLC-Kreis mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>RLC-Kreis mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>RLC-Kreis ohne Quelle</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Mittleres Residuum (RMS) %1, %2 Punkte%3</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Mittleres Residuum (RMS): %1</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Abgelesene Ladung in Coulomb</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Abgelesene Stromstärke in Ampere</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Abgelesene Zeit in Sekunden</translation>
        </message>
        <message>
            <source>Read-out: %1</source>
            <translation>Ablesung: %1</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>Das Lesen von %1 wurde abgebrochen.</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Zuletzt geöffnete Versuche</translation>
        </message>
        <message>
            <source>Recording graph</source>
            <translation>Grafik der Aufzeichnung</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Aufzeichnung: %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Aufzeichnung: %1, %2 Messwerte</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Aufzeichnungen (*.csv *.txt *.tsv *.dat);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Schwingungsfall</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Residuen</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Widerstand R in Ohm</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Strom im Widerstand</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Spannung am Widerstand</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Spannung am Widerstand zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Resonanzkurve</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Resonanzfrequenz f₀ = %1</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Resonanzfrequenz f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Neu starten</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>Messwert %1 von %2 ist keine endliche Zahl.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>Messwert %1 von %2 liegt nicht später als der vorige.</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Daten speichern</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Daten als CSV speichern</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Daten als CSV speichern...</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Daten speichern...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Versuch speichern</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Versuch speichern unter</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Versuch speichern unter...</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Graph speichern</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Graph speichern...</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Bild speichern</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Bild speichern...</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Arbeitsblatt als PDF speichern</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Arbeitsblatt als PDF speichern…</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Reihenschaltung, Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Reihenschaltung: Spannungsquelle E, Widerstand R, Kondensator C und Spule L</translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = Eigenfrequenz</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Gesamtspannung anzeigen</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Spannung am Kondensator anzeigen</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Spannung an der Spule anzeigen</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Spannung am Widerstand anzeigen</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Zeigt das Programm in der Sprache CODE (de, en, es, fr, pt_BR) statt in der des Systems.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Zeigt die Version des Programms.</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Langsamer</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Lösung</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Quellenspannung v(t)</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude der Quellenspannung Vmax in Volt</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>Die Quellenfrequenz f = %1 liegt nicht auf der Frequenzachse.</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Quelle f = %1: %2 dB, Phase %3</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Quelle f = %1: I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Quellenfrequenz f in Hertz</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Quellenfrequenz f0 in Hertz</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Art der Quelle</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Quellenspannung</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Quellenspannung oder Amplitude v0 in Volt</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Stationärer Zustand: K·cos ωt + S·sin ωt, die Antwort bei der Kreisfrequenz ω der Quelle.</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Zeichnet waagerechte Linien ein, die die Projektion auf die Hochachse zeigen.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Die Systeminformationen sind zurzeit nicht verfügbar</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Aufgabe</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>Die Schaltung %1 hat kein %2.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>Die Schaltung %1 hat keinen Parameter %2.</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>Der LC-Schwingkreis hat keinen Widerstand: Q ist unendlich und der Strom bei Resonanz unbegrenzt, daher gibt es keine Kurve. Die Seite Frequenzgang zeigt sein Verhalten.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>Die Periodenzahl muss größer als 0 sein: Bei 0 oder weniger Perioden bleibt keine Zeit zum Zeichnen.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>Die Periodenzahl darf nicht 0 sein.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>Die Zeit liegt zu weit außerhalb des gezeichneten Intervalls.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>Der Kanal %1 ist keine Spaltennummer ab 1.</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>Die Schaltung %1 ist keine von rc, rl, lc, rlc, jeweils allein oder mit -dc oder -ac.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>Die Schaltung hat diese Messgröße nicht.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>Die Lösung der Schaltung hat für diese Messwerte keinen endlichen Wert; die Anpassung ist nicht möglich.</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Die Daten können %1 nicht bestimmen; %2 festhalten (--fix NAME=WERT), um die übrigen zu bestimmen.</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>Die Energie im Kondensator W_C, in der Spule W_L, die Wärme im Widerstand W_R und die Arbeit der Quelle W_S von t = %1 s bis %2 s. %3</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>Der Eintrag "lab.circuit" ist %1, aber Schaltfläche %2 wählt Kreis %3.</translation>
        </message>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>Der Eintrag "lab.launcher" ist %1; das ist keine Schaltfläche eines Kreises.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>Der Eintrag %1 ist %2, nicht einer von %3.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>Der Eintrag %1 ist %2; Kreis %3 hat dort %4.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>Der Eintrag %1 ist %2; er muss zwischen %3 und %4 liegen.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>Der Eintrag %1 ist keine Gruppe von Einträgen in geschweiften Klammern.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>Der Eintrag %1 ist keine Liste in eckigen Klammern.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>Der Eintrag %1 ist kein Text in Anführungszeichen.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>Der Eintrag %1 ist keine ganze Zahl.</translation>
        </message>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>Der Eintrag %1 ist nicht der Base64-Text von %2 Messwerten.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>Der Eintrag %1 ist weder true noch false.</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>Der Versuch %1 lässt sich nicht öffnen. %2</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>Der Versuch %1 gehört zu einem anderen Fenster.</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>Der Versuch hat %1 Graphen; höchstens %2 werden gelesen.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>Der Versuch hat einen Eintrag %1, den diese Version nicht kennt.</translation>
        </message>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>Dem Versuch fehlt der Eintrag %1.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>Der Versuch enthält keinen Graphen, dessen Werte geschrieben werden könnten.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>Der zu öffnende Versuch.</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>Der Versuch wurde mit einer neueren Version des Kel-Kreislabors gespeichert (Dateiformat %1; diese Version liest bis %2).</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>Die Schaltung des Experiments hat keine Energien, die geschrieben werden könnten.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>Das Fenster des Versuchs hat kein Arbeitsblatt.</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Die Datei %1 konnte nicht gespeichert werden: %2.</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>Die Datei kann nicht gelesen werden (%1).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>Die Datei existiert nicht.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>Die Datei ist größer als %1 MB und damit zu groß für einen Versuch.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>Die Datei ist kein Versuch des Kel-Kreislabors (ihr "format" ist nicht "kel-experiment").</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>Die Datei ist kein Versuch: Sie enthält kein JSON-Objekt.</translation>
        </message>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>Die Datei ist kein Versuch: Sie ist kein JSON (%1 bei Zeichen %2).</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>Die Anpassung ist konvergiert.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>Die Anpassung ist nicht konvergiert.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>Die Anpassung wurde abgebrochen.</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>Das Anpassungsfenster von %1 s bis %2 s enthält keine Zeit der Aufzeichnung.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>Das Anpassungsfenster von %1 bis %2 ist kein Zeitabschnitt der Aufzeichnung.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>Das Anpassungsfenster enthält zu wenige Messwerte für die freien Parameter.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>Das festgehaltene %1 muss größer als 0 sein.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>Die Frequenz f darf nicht 0 sein.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>Der Bereich halber Leistung ist zu schmal zum Berechnen: Q ist zu groß. Bitte für R einen größeren Wert eingeben.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>Die Impedanz ist 0 (R ist 0, und die Blindwiderstände von L und C heben sich auf), also wäre die Stromstärke unendlich. Bitte R, C, L oder f ändern.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>Der Schaltkreis des Labors hat diese Größe nicht.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>Der Schaltkreis des Labors hat diese Größe nicht: Wählen Sie, was die Spalte gemessen hat.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>Die größte Spannungsamplitude ist 0 (VRmax, VCmax, VLmax und Vmax sind alle 0 oder kleiner), es gibt also nichts zu zeichnen. Bitte ein positives Vmax eingeben.</translation>
        </message>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>Die Liste %1 hat %2 Spalten; eine Messung hat 1 bis %3.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>Die Liste %1 hat %2 Parameter; Kreis %3 hat %4.</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>Die Liste %1 enthält %2 zweimal.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>Die Liste %1 enthält %2; das ist keiner von %3.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>Die Liste %1 nennt %2, das Kreis %3 nicht hat.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>Die Messung hat %1 Messwerte; sie braucht mindestens %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>Die Messung enthält %1 Werte, die Zeiten mitgezählt; ein Versuch speichert höchstens %2.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>Die Messung gehört zu Kreis %1, aber Schaltfläche %2 des Labors wählt Kreis %3.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>Die Option --%1 gehört zu --fit.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>Die Option --%1 ist mehrfach angegeben.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>Die Option --%1 braucht einen Wert.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>Die Option --fit braucht einen Wert.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>Die Option --fix gehört zu --fit.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>Die Option --size legt die Größe für --export-png fest; bitte beide angeben.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>Der Parameter %1 ist mehrfach festgehalten.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>Das Bild zeigt die letzten Werte, die sich zeichnen ließen.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>Das gezeichnete Intervall, Periodenzahl / f, ist zu lang oder zu kurz zum Zeichnen.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>Das Programm berechnet die Differenz der beiden Sinusfunktionen als Produkt mit sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exakt auch bei und nahe der Resonanz.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>Die Messgröße %1 ist keine von vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>Die Rate näher an null ergibt sich aus s1·s2 = ω0², ohne die Auslöschung in −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>Die Aufzeichnung hat keinen Kanal %1; sie hat %2.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Die Messwerte enthalten einen Wert, der keine endliche Zahl ist.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>In der Skalierung %1 ist x1 gleich x2.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>Die Größe "%1" hat nicht die Form BREITExHÖHE in Pixeln von 1 bis %2, etwa 1600x1200.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>Die Amplitude der Quelle</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>Die Frequenz der Quelle</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>Die Aufgabe des Versuchs hat %1 Zeichen; gelesen werden höchstens %2.</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>Die Aufgabe, die auf dem Arbeitsblatt steht, für die Schülerinnen und Schüler:</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>Der Text %1 von %2 ist keine Zahl.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>Der Text von „%1“ ist keine Zahl in Sekunden.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Der Text in %1 ist keine Zahl.</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Der Text in Zeit ist keine Zahl.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>Die Zeit %1 von --%2 ist keine Zahl von Sekunden.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>Das Zeitfenster von %1 s bis %2 s ist leer.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>Das Zeitfenster enthält zu wenige Messwerte für die anzupassenden Parameter.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Die Werte von R, C, L, Vmax und f ergeben Spannungen, die zu groß zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Es gibt keine gezeichneten Spannungen zum Speichern. Bitte zuerst Zeichnen wählen.</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Es gibt noch keine Kurve zum Speichern.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Es gibt keinen Bildschirm, auf dem die Fenster erscheinen könnten (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Die Bilder eines Versuchs lassen sich auch ohne schreiben: kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Es gibt keine gezeichneten Daten zum Speichern. Bitte zuerst Graphen zeichnen wählen.</translation>
        </message>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Es gibt keine Übersetzung in "%1"; das Programm bleibt auf Englisch.</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Diese Daten können %1 nicht unterscheiden; halten Sie %2 auf einem bekannten Wert fest und passen Sie erneut an.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Diese Parameter ergeben bei t = %1 s keinen endlichen Wert für Ladung oder Stromstärke. Es wurde nichts gezeichnet.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Diese Parameter ergeben zu diesem Zeitpunkt keinen endlichen Wert für Stromstärke oder Ladung.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Mit diesen Parametern hat die Schaltung im Zeitbereich des Graphen keine endliche Energie.</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Diese Werte ergeben Frequenzen oder Stromstärken, die zu groß oder zu klein zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Diese Werte ergeben Frequenzen, die zu groß oder zu klein zum Zeichnen sind.</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Diese Werte ergeben keine Kurve: Ein Nenner ist null oder L·C ist nicht positiv.</translation>
        </message>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Ein unfertiges Werk, entstanden in den frühen Morgenstunden des 18. März 1998. Mit Vorsicht verwenden! – Überarbeitet am 22. März 1998.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>Die gewählte Art der Spannungsquelle</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>Die Frequenz der Erregerspannung</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Bei hohen Frequenzen kann dieser Graph ungenau sein, weil er aus zu wenigen Punkten gezeichnet wird</translation>
        </message>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Dieses Programm kann das Fenster des Versuchs nicht öffnen.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Kreuzen Sie mindestens einen Parameter zum Anpassen an.</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Zeitleiste</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Zeitleiste</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Zeit von %1 bis %2 s, Werte von %3 bis %4.</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Zeit in Sekunden</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Nur %1-Kreise %2 untersuchen</translation>
        </message>
        <message>
            <source>Toggle to set display of this voltage</source>
            <translation>Diese Spannung ein- oder ausblenden</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Gesamtspannung an LCR </translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Gesamtspannung zum Zeitpunkt t in Volt</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" zeigt die Optionen.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Bitte einen Dezimalpunkt eingeben, wie in %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Bitte einen Dezimalpunkt eingeben, wie in 1.5.</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Unsicherheit</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Schwingfall (α &lt; ω0): Die Ladung schwingt mit ωd innerhalb einer abklingenden Einhüllenden.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Einheit</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Oben: Amplitude der Stromstärke I₀ von %1 bis %2.
Unten: Phase φ von −90° bis +90°, graue Linien bei ±45°.
Eine Frequenz anklicken oder mit Links und Rechts wählen, um die Quelle darauf zu stellen.</translation>
        </message>
        <message>
            <source>V total</source>
            <translation>V gesamt</translation>
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
            <translation>Wert</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Werte</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
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
            <translation>Quelle</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Spannung an C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Spannung am Kondensator</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Spannung an der Spule</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Spannung an L (V_L/V)</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Spannung an R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Spannung am Widerstand</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Spannung über der Zeit von %1 bis %2 s, %3 bis %4 V: %5.</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Spannung-Zeit-Diagramm</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Spannung über der Zeit: leer. Wählen Sie „Zeichnen“.</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Spannungen über der Zeit</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Spannungen</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C Kondensator</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L Spule</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R Wärme im Widerstand</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S Arbeit der Quelle</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Mit --fit: passt die Messwerte ab dieser Zeit an, in Sekunden.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Mit --fit: passt die Messwerte bis zu dieser Zeit an, in Sekunden.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Mit --fit: hält einen Parameter (R, L, C, v0, f0, q0, i0) auf einem Wert in SI-Einheiten fest; alle anderen werden angepasst.</translation>
        </message>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Mit --fit: die Schaltung, eine von rc, rl, lc, rlc, jeweils allein (ohne Quelle) oder mit -dc oder -ac.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Mit --fit: die anzupassende Wertespalte, standardmäßig 1.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Mit --fit: was der Kanal gemessen hat, vC, vR, vL, i oder q.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Mit --fit: schreibt das Ergebnis als ein JSON-Objekt.</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Ohne Widerstand schwingt der Kreis ungedämpft mit ω0.</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Arbeitsblatt</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Aufgabe für das Arbeitsblatt</translation>
        </message>
        <message>
            <source>Worksheet Task…</source>
            <translation>Aufgabe für das Arbeitsblatt…</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Arbeitsblatt: %1</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Schreibt die Energien der Schaltung des Experiments (t,W_C,W_L,W_R,W_S) als CSV in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Schreibt das Bild des Versuchs als PNG in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Schreibt das Bild des Versuchs als SVG in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Schreibt das Arbeitsblatt des Versuchs (Schaltung, Parameter, Graph, Gleichungen und Aufgabe auf einer Seite, der Versuch angehängt) als PDF in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Schreibt die Werte des letzten Graphen des Versuchs als CSV in FILE, ohne ein Fenster zu zeigen.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Ungültige Parameterwerte</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω: Die Stromstärke wäre unendlich</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>ein Eintrag, der kein Name ist</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>Asymptoten (gestrichelt)</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>bei Resonanz: ω = ω₀ = %1 rad/s, die Amplitude wächst linear</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>Band zwischen den Grenzfrequenzen</translation>
        </message>
        <message>
            <source>black</source>
            <translation>schwarz</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>blau</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>Kondensatorspannung vC = q/C</translation>
        </message>
        <message>
            <source>charge</source>
            <translation>Ladung</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>Ladung q</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>aperiodischer Grenzfall: α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>current</source>
            <translation>Stromstärke</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>Amplitude der Stromstärke I₀</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>Stromstärke i</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>gestrichelt</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>alle Amplituden sind 0: nichts zu zeichnen</translation>
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
            <translation>f darf nicht 0 sein</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>festgehalten</translation>
        </message>
        <message>
            <source>green</source>
            <translation>grün</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>Bereich halber Leistung</translation>
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
            <translation>Spulenspannung vL</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>Betrag |H| in dB</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>ohne Spannungsquelle</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>ohne Quelle</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>keine Spannung angezeigt</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>nicht bestimmt</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>außerhalb der Resonanz: ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>Kriechfall: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>Maximum der Größe</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>Phase φ</translation>
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
            <translation>rot</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>für diese Werte kein Schwingungsfall bestimmbar</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>Widerstandsspannung vR = R·i</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>Resonanzfrequenz f₀</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>durchgezogen</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>Quellenfrequenz f</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>Quellenspannung</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, Wert %3 … %4</translation>
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
            <translation>t = %1 s, Wert = %2</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, Bilanz %6</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>die Aufzeichnung der Messung enthält %1 Werte, die Zeiten mitgezählt, und ein Versuch speichert höchstens %2; öffnen Sie zuerst eine kürzere Aufzeichnung im Messfenster</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>die Werte sind zu groß zum Zeichnen</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>Zeitkonstante τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>Zeitkonstante τ = RC = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>ungedämpfte Schwingung: ω₀ = %1 rad/s, Periodendauer T = %2 s</translation>
        </message>
        <message>
            <source>undefined</source>
            <translation>nicht definiert</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>Schwingfall: α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
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
            <translation>mit Gleichspannungsquelle</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>mit Wechselspannungsquelle</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>ohne Spannungsquelle</translation>
        </message>
        <message>
            <source>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</source>
            <translation>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>−3-dB-Grenzfrequenz (gestrichelt) und Pegel</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>−3-dB-Grenzfrequenz(en): %1</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>−3-dB-Grenzfrequenz: keine</translation>
        </message>
    </context>
</TS>
