<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>AboutKel</name>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Les informations système ne sont pas disponibles pour le moment</translation>
        </message>
    </context>
    <context>
        <name>CircuitLaunchers</name>
        <message>
            <source>No EMF </source>
            <translation>Sans générateur </translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sans générateur</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Tension continue </translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Tension continue</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Tension alternative</translation>
        </message>
    </context>
    <context>
        <name>EquationsText</name>
        <message>
            <source>Differential equation</source>
            <translation>Équation différentielle</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Conditions initiales</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Régime</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sans résistance, le circuit oscille sans amortissement à ω0.</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Régime pseudo-périodique (α &lt; ω0) : la charge oscille à ωd dans une enveloppe décroissante.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Régime critique (α = ω0) : le retour le plus rapide sans oscillation.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Régime apériodique (α &gt; ω0) : deux taux d'amortissement réels.</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Régime permanent : K·cos ωt + S·sin ωt, la réponse à la pulsation ω du générateur.</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solution</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Ces valeurs ne donnent aucune courbe : un diviseur est nul ou L·C n'est pas positif.</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Régime critique : le programme utilise la forme limite (A + B·t)·e^(−αt), où les deux taux coïncident.</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Près du régime critique, le programme écrit les deux exponentielles avec cosh et sinh, qui rejoignent sans à-coup la forme critique au lieu de se compenser.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>Le taux le plus proche de zéro vient de s1·s2 = ω0², sans la compensation de −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Près de la résonance, les termes permanent et transitoire sont grands et presque opposés ; le programme calcule la même courbe comme réponse depuis le repos, écrite avec (1 − e^(−z))/z, la forme limite qui reste exacte à la résonance.</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>À la résonance (ω = ω0), le terme forcé croît linéairement avec t : c'est la limite de la forme hors résonance.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>Le programme calcule la différence des deux sinus comme un produit avec sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact aussi à la résonance et près d'elle.</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuit RC sans générateur</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>Circuit RC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuit RL sans générateur</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>Circuit RL avec générateur de tension continue</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuit LC sans générateur</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>Circuit LC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuit RLC sans générateur</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuit RLC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuit LC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuit RC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuit RL avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuit RLC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Aucun circuit</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Équations</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Le texte de %1 n'est pas un nombre.</translation>
        </message>
    </context>
    <context>
        <name>GraphDescription</name>
        <message>
            <source>charge</source>
            <translation>charge</translation>
        </message>
        <message>
            <source>current</source>
            <translation>intensité</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tension du générateur</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>bleu</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rouge</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>Circuit RC</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>Circuit RL</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>Circuit LC</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>Circuit RLC</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Aucun circuit</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Charge q</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Intensité i</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tension du générateur</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Aucune courbe tracée.</translation>
        </message>
        <message>
            <source>%1 (%2, %3)</source>
            <translation>%1 (%2, %3)</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>tirets</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>trait plein</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Courbes : %1.</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Temps de %1 à %2 s, valeurs de %3 à %4.</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Tracés effectués : %1.</translation>
        </message>
        <message>
            <source>%1 %2 %3</source>
            <translation>%1 %2 %3</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Curseur à t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Curseur à t = %1 s : %2.</translation>
        </message>
    </context>
    <context>
        <name>LabStatus</name>
        <message>
            <source>undefined</source>
            <translation>indéfini</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 n'est pas un nombre</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, valeur %3 … %4</translation>
        </message>
        <message>
            <source>t = %1 s, value = %2</source>
            <translation>t = %1 s, valeur = %2</translation>
        </message>
    </context>
    <context>
        <name>LabWindow</name>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Cliquer ici pour lire le temps, l'intensité et la charge</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Courbes</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Charge q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Cocher pour tracer la charge en fonction du temps</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Intensité i(t)</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Cocher pour tracer l'intensité en fonction du temps</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensions</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tension source v(t)</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tension aux bornes de R</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tension aux bornes de C</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tension aux bornes de L</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Valeurs</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Temps</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Charge</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Courant</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Charge initiale en coulombs</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Intensité initiale en ampères</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Intensités</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Intensité dans R</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Intensité dans C</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Intensité dans L</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>Cont.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>Alt.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>Le type de générateur choisi</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>La fréquence de la tension excitatrice</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Voltage Source</source>
            <translation>Générateur</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Fréquence </translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = fréquence propre</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Effacer les courbes</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Échelle</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Tracer les courbes</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Enregistrer le graphique...</translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Copier le graphique</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Enregistrer les données en CSV...</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Résistance R en ohms</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacité C en farads</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductance L en henrys</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tension du générateur ou amplitude v0 en volts</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Fréquence du générateur f0 en hertz</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Charge initiale q0 en coulombs</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Intensité initiale i0 en ampères</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Tracer la charge en fonction du temps</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Tracer l'intensité en fonction du temps</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Tracer la tension du générateur en fonction du temps</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Temps lu, en secondes</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Charge lue, en coulombs</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Intensité lue, en ampères</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Type de générateur</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Pulsation w0 en radians par seconde</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Courbe en fonction du temps</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Inclure le curseur dans les images</translation>
        </message>
    </context>
    <context>
        <name>NumberText</name>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Tapez un point décimal, comme dans %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Tapez un point décimal, comme dans 1.5.</translation>
        </message>
    </context>
    <context>
        <name>PhasorsWindow</name>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tension aux bornes de R</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tension aux bornes de C</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tension aux bornes de L</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tension totale sur LCR </translation>
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
            <translation>Résistance R en ohms</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacité C en farads</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductance L en henrys</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude du générateur Vmax en volts</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Fréquence du générateur f en hertz</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Temps en secondes</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Nombre de périodes</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Curseur du temps</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Afficher la tension aux bornes de la résistance</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Afficher la tension aux bornes du condensateur</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Afficher la tension aux bornes de la bobine</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Afficher la tension totale</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Projections des vecteurs de Fresnel</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes de la résistance en volts</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tension aux bornes de la résistance à cet instant, en volts</translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes du condensateur en volts</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tension aux bornes du condensateur à cet instant, en volts</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes de la bobine en volts</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tension aux bornes de la bobine à cet instant, en volts</translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tension totale à cet instant, en volts</translation>
        </message>
    </context>
    <context>
        <name>RegimeText</name>
        <message>
            <source>undefined</source>
            <translation>indéfini</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>générateur de tension continue</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>générateur de tension alternative</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>régime apériodique : s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>régime critique : α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>régime pseudo-périodique : α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>régime indéterminé pour ces valeurs</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de temps τ = RC = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de temps τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscillations non amorties : ω₀ = %1 rad/s, période T = %2 s</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>à la résonance : ω = ω₀ = %1 rad/s, l'amplitude croît linéairement</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>hors résonance : ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
    </context>
    <context>
        <name>StartupText</name>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Il n'y a pas de traduction en "%1" ; le programme reste en anglais.</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" affiche les options.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Il n'y a pas d'écran pour afficher les fenêtres (ni DISPLAY ni WAYLAND_DISPLAY n'est défini). Pour écrire les images d'une expérience sans écran : kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>L'expérience %1 ne peut pas être ouverte. %2</translation>
        </message>
    </context>
    <context>
        <name>WorksheetCommands</name>
        <message>
            <source>Worksheet Task…</source>
            <translation>Consigne de la fiche…</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimer la fiche de travail…</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Enregistrer la fiche en PDF…</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>La consigne imprimée sur la fiche, pour les élèves :</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Consigne de la fiche</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimer la fiche de travail</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Enregistrer la fiche en PDF</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>Document PDF (*.pdf)</translation>
        </message>
    </context>
    <context>
        <name>WorksheetPage</name>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Fiche de travail</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Fiche de travail : %1</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Consigne</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Équations</translation>
        </message>
    </context>
    <context>
        <name>kel::about::AboutKel</name>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Ceci est un travail en cours. Il a été créé aux petites heures du 18 mars 1998. À utiliser avec prudence ! – Révisé le 22 mars 1998.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Infos &amp;système...</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>À propos de %1</translation>
        </message>
    </context>
    <context>
        <name>kel::display</name>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>Le fichier dépasse %1 Mo : il est trop gros pour une expérience.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::AxisNumbers</name>
        <message>
            <source>View</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Graduations des axes</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentFile</name>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>Le fichier n'est pas une expérience : ce n'est pas du JSON (%1 au caractère %2).</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>Le fichier n'est pas une expérience : il ne contient aucun objet JSON.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>Le fichier n'est pas une expérience du Labo circuits Kel (son "format" n'est pas "kel-experiment").</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>L'expérience a été enregistrée par une version plus récente du Labo circuits Kel (format de fichier %1 ; cette version lit jusqu'à %2).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>Le fichier n'existe pas.</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>La consigne de l’expérience compte %1 caractères ; au plus %2 sont lus.</translation>
        </message>
    </context>
    <context>
        <name>kel::display::ExperimentMenu</name>
        <message>
            <source>Experiment</source>
            <translation>Expérience</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Ouvrir une expérience...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Enregistrer l'expérience</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Enregistrer l'expérience sous...</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Expériences récentes</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>L'expérience %1 ne peut pas être ouverte. %2</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Ouvrir une expérience</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>L'expérience %1 est destinée à une autre fenêtre.</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Expérience Kel (*.kel);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Le fichier %1 n'a pas pu être enregistré : %2.</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Enregistrer l'expérience sous</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Expérience Kel (*.kel)</translation>
        </message>
    </context>
    <context>
        <name>kel::display::JsonReader</name>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>L'expérience n'a pas d'entrée %1.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>L'expérience contient une entrée %1 que cette version ne connaît pas.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>L'entrée %1 n'est pas un groupe d'entrées entre accolades.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>L'entrée %1 n'est pas un texte entre guillemets.</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>Le texte %1 de %2 n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>L'entrée %1 n'est pas un nombre entier.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>L'entrée %1 vaut %2 ; elle doit être comprise entre %3 et %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>L'entrée %1 ne vaut ni true ni false.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>L'entrée %1 vaut %2, qui n'est pas parmi %3.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>L'entrée %1 n'est pas une liste entre crochets.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>La liste %1 contient %2, qui n'est pas parmi %3.</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>une entrée qui n'est pas un nom</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>La liste %1 contient %2 deux fois.</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergySession</name>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Choisissez d’abord un circuit dans le menu principal.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Avec ces paramètres, le circuit n’a pas d’énergie finie sur l’intervalle de temps du graphique.</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s : W_C = %2, W_L = %3, W_R = %4, W_S = %5, bilan %6</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Bilan W_C + W_L + W_R − W_S = %1, plus grand écart %2</translation>
        </message>
    </context>
    <context>
        <name>kel::energy::EnergyWindow</name>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C condensateur</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L bobine</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R chaleur dans la résistance</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S travail de la source</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Énergie</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Cliquez, ou utilisez Gauche et Droite, pour lire les énergies à un instant</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Énergies en fonction du temps</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Enregistrer les données...</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Enregistrer l'image...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>L’énergie dans le condensateur W_C, dans la bobine W_L, la chaleur dans la résistance W_R et le travail de la source W_S de t = %1 s à %2 s. %3</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Enregistrer les données</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Enregistrer l'image</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
        </message>
    </context>
    <context>
        <name>kel::lab</name>
        <message>
            <source>Input Error</source>
            <translation>Erreur de saisie</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Ces paramètres ne donnent pas de valeur finie de la charge ou de l'intensité à t = %1 s. Rien n'a été tracé.</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 est hors du domaine que ce programme peut tracer : sa valeur absolue doit être comprise entre %2 et %3. Rien n'a été tracé.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>Dans l'échelle %1, x1 est égal à x2.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::EquationsWindow</name>
        <message>
            <source>Equations</source>
            <translation>Équations</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Copier en LaTeX</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabExperiment</name>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>L'entrée "lab.launcher" vaut %1, qui ne désigne aucun bouton de circuit.</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>L'entrée "lab.circuit" vaut %1, mais le bouton %2 choisit le circuit %3.</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>Le bouton %1 trace le cadre de l'échelle actuelle, donc "lab.frame" ne peut pas valoir "fixed".</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>L'expérience contient %1 tracés ; au plus %2 sont lus.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>La mesure porte sur le circuit %1, mais le bouton %2 du labo choisit le circuit %3.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabSession</name>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Erreur : %1 est trop grand pour le graphique. Recommencez</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Erreur : %1 n'est pas un nombre. Recommencez</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erreur dans la saisie</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Le texte de %1 n'est pas un nombre.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valeurs des paramètres incorrectes</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Le texte de Temps n'est pas un nombre.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Ces paramètres ne donnent pas de valeur finie de l'intensité ou de la charge à cet instant.</translation>
        </message>
    </context>
    <context>
        <name>kel::lab::LabWindow</name>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Labo circuits Kel pour Dax 202</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Entrez la valeur minimale de t</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valeur minimale de t</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Entrez la valeur maximale de t</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valeur maximale de t</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Erreur : x1 = x2. Recommencez</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erreur dans la saisie</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Entrez la valeur minimale de l'axe vertical</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valeur minimale de l'axe vertical</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Entrez la valeur maximale de l'axe vertical</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valeur maximale de l'axe vertical</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Erreur : y1 = y2. Recommencez</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Aux fréquences élevées, ce tracé peut être imprécis, car la courbe est calculée en trop peu de points</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Avertissement sur le tracé</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Enregistrer le graphique</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Il n'y a aucune donnée tracée à enregistrer. Choisissez d'abord Tracer les courbes.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Enregistrer les données en CSV</translation>
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
            <translation>Tableau CSV (*.csv)</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Équations</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Courbe de résonance</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Mesure</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Ouvrir une mesure...</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Énergie</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Réponse en fréquence</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marquer la référence</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratoire de circuits</translation>
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
            <translation>Lecture : %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Par rapport à la référence : %1</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>l'enregistrement de la mesure contient %1 valeurs, temps compris, et une expérience en garde au plus %2 ; ouvrez d'abord un enregistrement plus court dans la fenêtre de mesure</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement</name>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>L'entrée %1 n'est pas le texte base64 de %2 échantillons.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>L'échantillon %1 de %2 n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>La liste %1 nomme %2, que le circuit %3 n'a pas.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>La liste %1 a %2 paramètres ; le circuit %3 en a %4.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>L'entrée %1 vaut %2 ; le circuit %3 a %4 à cette place.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementExperiment</name>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>La liste %1 a %2 colonnes ; une mesure en a de 1 à %3.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>La mesure a %1 échantillons ; il lui en faut au moins %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>La mesure contient %1 valeurs, temps compris ; une expérience en garde au plus %2.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>L'échantillon %1 de %2 n'est pas postérieur au précédent.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>La fenêtre d'ajustement de %1 à %2 n'est pas un intervalle des temps de l'enregistrement.</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::MeasurementWindow</name>
        <message>
            <source>Recording graph</source>
            <translation>Graphique de l'enregistrement</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>&amp;Ouvrir un enregistrement...</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Voie</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tension du condensateur vC = q/C</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tension de la résistance vR = R·i</translation>
        </message>
        <message>
            <source>inductor voltage vL</source>
            <translation>tension de la bobine vL</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>intensité i</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>charge électrique q</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;olonne :</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Mesuré :</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajuster &amp;de (s) :</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajuster &amp;à (s) :</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Paramètres libres</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>A&amp;juster</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>&amp;Appliquer au labo</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Ouvrir une mesure</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Enregistrements (*.csv *.txt *.tsv *.dat);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>La lecture de %1 a été annulée.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 ne peut pas être ouvert comme enregistrement.
%2</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>Le fichier ne peut pas être lu (%1).</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Il fait %1 octets ; un enregistrement en a au plus %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Il a %1 lignes ; un enregistrement en a au plus %2.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Ce n'est pas du texte : la ligne %1 contient un caractère de contrôle à l'octet %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Il est vide.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>La ligne %1 n'a qu'une colonne ; un enregistrement demande un temps et une valeur.</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>La ligne %1 a %2 colonnes de valeurs ; quatre au plus sont lues.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Ligne %1, colonne %2 : la ligne n'a pas les %3 colonnes de la première.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un nombre.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Ligne %1, colonne %2 : le temps %3 n'est pas postérieur au précédent.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Ligne %1 : seulement %2 échantillons ; il en faut au moins 3.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un temps de départ ou un pas utilisable.</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajuster de</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajuster à</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>Le texte de « %1 » n'est pas un nombre en secondes.</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Mesure</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>La fenêtre d'ajustement de %1 s à %2 s ne contient aucun temps de l'enregistrement.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Choisissez d'abord un circuit dans le labo.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>Le circuit du labo n'a pas cette grandeur : choisissez ce que la colonne a mesuré.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>La case d'un paramètre fixé dans le labo n'est pas un nombre : tapez-y sa valeur ou cochez-le comme libre.</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajustement</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>L'ajustement a été annulé.</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Mesure - %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Enregistrement : %1, %2 échantillons</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Aucun enregistrement ouvert.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Choisissez un circuit dans le labo : ses valeurs sont les valeurs de départ et les valeurs fixées de l'ajustement.</translation>
        </message>
        <message>
            <source>%1 = %2 %3</source>
            <translation>%1 = %2 %3</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(pas un nombre)</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuit du labo %1 : %2</translation>
        </message>
        <message>
            <source>%1 = %2 %3 (held)</source>
            <translation>%1 = %2 %3 (fixé)</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1 : non déterminé par ces données</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Résidu quadratique moyen %1, %2 points%3</translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sans convergence</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 et %2 sont corrélés (%3).</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Ces données ne peuvent pas distinguer %1 ; fixez %2 à une valeur connue et ajustez de nouveau.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>La fenêtre d'ajustement contient trop peu d'échantillons pour les paramètres libres.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Cochez au moins un paramètre à ajuster.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Un R, L, C ou f0 fixé doit être un nombre positif dans le labo.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>Le circuit du labo n'a pas cette grandeur.</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Aucun circuit de ce type ne s'ajuste à ces échantillons.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Aucun enregistrement n'est affiché.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 points de %2 de %3 s à %4 s ; fenêtre d'ajustement de %5 s à %6 s.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Pas de courbe du modèle : il manque au circuit du labo une valeur ou cette grandeur.</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Courbe du modèle du circuit ajusté. Résultat de l'ajustement : %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Courbe du modèle du circuit du labo, pas encore ajusté.</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Enregistrement : %1</translation>
        </message>
    </context>
    <context>
        <name>kel::measurement::RecordingGraph</name>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Ouvrez un enregistrement (Ctrl+O) pour voir ses échantillons ici.</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Résidus</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor</name>
        <message>
            <source>Phasors</source>
            <translation>Vecteurs de Fresnel</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Tensions en fonction du temps</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Cliquer pour retracer à cet instant</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Projections</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Trace des lignes horizontales qui montrent la projection sur l'axe vertical.</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Curseur</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Nb de périodes</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Nombre de périodes montrées sur les courbes de tension</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Courbes affichées</translation>
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
            <translation>Afficher ou masquer cette tension</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagramme de Fresnel</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Courbes de tension en fonction du temps</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 n'est pas un nombre</translation>
        </message>
        <message>
            <source>f must not be 0</source>
            <translation>f ne doit pas être 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>Le nombre de périodes ne doit pas être 0</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>Le nombre de périodes doit être supérieur à 0</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω : l'intensité serait infinie</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>les valeurs sont trop grandes pour être tracées</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>toutes les amplitudes sont nulles : rien à tracer</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nb de périodes / f est trop long ou trop court pour le tracé</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Le texte de %1 n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>La fréquence f ne doit pas être 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>Le nombre de périodes ne doit pas être 0.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>Le nombre de périodes doit être supérieur à 0 : avec 0 période ou moins, il n'y a aucune durée à tracer.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>L'impédance est nulle (R vaut 0 et les réactances de L et de C se compensent) : l'intensité serait infinie. Modifiez R, C, L ou f.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Les valeurs de R, C, L, Vmax et f donnent des tensions trop grandes pour être tracées.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>La plus grande amplitude de tension est nulle (VRmax, VCmax, VLmax et Vmax valent tous 0 ou moins) : il n'y a rien à tracer. Entrez une valeur de Vmax positive.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>L'intervalle tracé, Nb de périodes / f, est trop long ou trop court pour être dessiné.</translation>
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
            <translation>V totale</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>bleu</translation>
        </message>
        <message>
            <source>green</source>
            <translation>vert</translation>
        </message>
        <message>
            <source>red</source>
            <translation>rouge</translation>
        </message>
        <message>
            <source>black</source>
            <translation>noir</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 est tracé en %2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 en %2</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tension en fonction du temps de %1 à %2 s, de %3 à %4 V : %5.</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>aucune tension affichée</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Repère à t2 = %1 s.</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tension en fonction du temps : vide. Choisissez « Tracer ».</translation>
        </message>
        <message>
            <source>%1 %2 V at %3°</source>
            <translation>%1 %2 V à %3°</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Phaseurs à t = %1 s : %2.</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagramme des phaseurs : vide. Choisissez « Tracer ».</translation>
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
            <translation>Lecture</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Lecture à %1×</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>En pause à %1×</translation>
        </message>
    </context>
    <context>
        <name>kel::phasor::PhasorsWindow</name>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagrammes de Fresnel</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Tracer</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Effacer les courbes</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Enregistrer l'image...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copier l'image</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Enregistrer les données en CSV...</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animer</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Lecture</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Plus lent</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Plus vite</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Recommencer</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Erreur de saisie</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Le texte de Temps n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>Le temps est trop loin de l'intervalle tracé pour être dessiné.</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Enregistrer l'image</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Il n'y a aucune tension tracée à enregistrer. Choisissez d'abord Tracer.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Enregistrer les données en CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tableau CSV (*.csv)</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marquer la référence</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuit série, source alternative</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Périodes</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplitudes : VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>À t = %1 s : vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResonanceWindow</name>
        <message>
            <source>Resonance Curve</source>
            <translation>Courbe de résonance</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Cliquer pour régler le générateur sur cette fréquence</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude et phase de l'intensité en fonction de la fréquence</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Fréquence f (échelle logarithmique)</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitude de l'intensité I₀</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>phase φ</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>fréquence de résonance f₀</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>fréquence du générateur f</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>bande passante à mi-puissance</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Enregistrer l'image...</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copier l'image</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Enregistrer les données en CSV...</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Fréquence de résonance f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Facteur de qualité Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Générateur f = %1 : I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>La fréquence du générateur f = %1 n'est pas sur l'axe des fréquences.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>L'amplitude du générateur</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>La fréquence du générateur</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 « %2 » n'est pas un nombre.</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0 : sans résistance, Q est infini et l'intensité à la résonance n'a pas de limite. Donnez à R une valeur supérieure à 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R est négative : donnez à R une valeur supérieure à 0.</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L doit être supérieure à 0 pour que le circuit entre en résonance.</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C doit être supérieure à 0 pour que le circuit entre en résonance (C = 0 signifie : pas de condensateur).</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Ces valeurs donnent des fréquences ou des intensités trop grandes ou trop petites pour être tracées.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>La bande passante à mi-puissance est trop étroite pour être calculée : Q est trop grand. Donnez à R une valeur plus grande.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>L'image montre les dernières valeurs qui ont pu être tracées.</translation>
        </message>
        <message>
            <source>f = %1   I₀ = %2   φ = %3</source>
            <translation>f = %1   I₀ = %2   φ = %3</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Enregistrer l'image</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Il n'y a pas encore de courbe à enregistrer.</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Enregistrer les données en CSV</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tableau CSV (*.csv)</translation>
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
            <translation>Bande passante Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Bande passante à mi-puissance (grisée) : de %1 à %2, où I₀ = I₀max/√2 et φ = ±45°</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>En haut : amplitude de l'intensité I₀ de %1 à %2.
En bas : phase φ de −90° à +90°, lignes grises à ±45°.
Cliquez sur une fréquence, ou appuyez sur Gauche ou Droite, pour y régler le générateur.</translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Réponse en fréquence</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Gain et phase en fonction de la fréquence</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Grandeur :</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Grandeur affichée</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Cliquez sur une fréquence, ou appuyez sur Gauche ou Droite, pour y régler le générateur.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Un circuit sans L et C à la fois n'a pas de résonance.</translation>
        </message>
        <message>
            <source>f = %1   |H| = %2 dB   φ = %3</source>
            <translation>f = %1   |H| = %2 dB   φ = %3</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>gain |H| en dB</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>coupure à −3 dB (tirets) et niveau</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>bande entre les coupures</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>asymptotes (tirets)</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pic de la grandeur</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Onglets</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>Le circuit LC n'a pas de résistance : Q est infini et le courant à la résonance n'a pas de limite, il n'y a donc pas de courbe à tracer. La page Réponse en fréquence montre sa réponse.</translation>
        </message>
    </context>
    <context>
        <name>kel::resonance::ResponseSession</name>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L et C doivent être des nombres positifs pour une réponse en fréquence.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Une réponse en fréquence demande un circuit avec une source alternative.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Ces valeurs donnent des fréquences trop grandes ou trop petites pour être tracées.</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tension aux bornes de R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tension aux bornes de C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tension aux bornes de L (V_L/V)</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Courant (I/V, dB réf. 1 A/V)</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Coupure à −3 dB : aucune</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Coupure(s) à −3 dB : %1</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Bande entre elles (ombrée) : largeur %1</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asymptotes : %1 dB/décade en dessous, %2 dB/décade au-dessus</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Fréquence de résonance f₀ = %1</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pic de %1 : %2 dB à %3</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 n'a pas de pic : Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pic : %1 dB à %2</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Source f = %1 : %2 dB, phase %3</translation>
        </message>
    </context>
    <context>
        <name>kel::shell</name>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit nécessite le circuit et la grandeur (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>Le circuit %1 n'est pas l'un de rc, rl, lc, rlc, seul ou suivi de -dc ou -ac.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>La grandeur %1 n'est pas l'une de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>Le circuit %1 n'a pas de %2.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 n'est pas NOM=VALEUR, NOM parmi R, L, C, v0, f0, q0, i0 et VALEUR un nombre, par exemple --fix C=1e-6.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>Le circuit %1 n'a pas de paramètre %2.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>Le paramètre %1 est fixé plus d'une fois.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>Le %1 fixé doit être supérieur à 0.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>Le temps %1 de --%2 n'est pas un nombre de secondes.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>La fenêtre de temps de %1 s à %2 s est vide.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>Le canal %1 n'est pas un numéro de colonne à partir de 1.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>L'ajustement a été annulé.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>Le circuit n'a pas cette grandeur.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>La fenêtre de temps contient trop peu de points pour les paramètres à ajuster.</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Tous les paramètres sont fixés ; il n'y a rien à ajuster.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Les points contiennent une valeur qui n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Une valeur fixée n'est pas un nombre que le circuit peut avoir.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>La solution du circuit n'a pas de valeur finie pour ces points ; l'ajustement est impossible.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuit %1, grandeur %2, %3 points</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>L'ajustement a convergé.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>L'ajustement n'a pas convergé.</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Résidu quadratique moyen : %1</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incertitude</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>non déterminé</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fixé</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Les données ne peuvent pas déterminer %1 ; fixez %2 (--fix NOM=VALEUR) pour déterminer les autres.</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 et %2 sont corrélés : %3.</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>L'enregistrement n'a pas de canal %1 ; il en a %2.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::CommandLine</name>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Labo circuits Kel : charge, intensité et tensions exactes des circuits RC, RL, LC et RLC série, et vecteurs de Fresnel d'un circuit RLC en régime forcé.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Affiche la version du programme.</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Affiche le programme dans la langue CODE (de, en, es, fr, pt_BR) au lieu de celle du système.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Écrit l'image de l'expérience en PNG dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Écrit l'image de l'expérience en SVG dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Écrit les points du dernier tracé de l'expérience en CSV dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Fait tenir le PNG dans WxH pixels (par exemple 1600x1200) en gardant ses proportions.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>L'expérience à ouvrir.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>L'option --%1 est donnée plusieurs fois.</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Donnez un seul fichier d'expérience, pas %1.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>L'option --%1 demande une valeur.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>La taille "%1" n'est pas de la forme LARGEURxHAUTEUR en pixels, de 1 à %2, par exemple 1600x1200.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>L'option --size fixe la taille de --export-png ; donnez les deux.</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>L'export a besoin du fichier d'expérience à exporter (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajuste la solution exacte du circuit à l'enregistrement FILE et écrit chaque valeur avec son incertitude, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lit un enregistrement seul ; ne donnez ni fichier d'expérience ni export avec lui.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>L'option --fit nécessite une valeur.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>L'option --%1 va avec --fit.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>L'option --fix va avec --fit.</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Écrit les énergies du circuit de l’expérience (t,W_C,W_L,W_R,W_S) en CSV dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Écrit la fiche de travail de l'expérience (circuit, paramètres, graphique, équations et consigne sur une page, l'expérience jointe) en PDF dans FILE, sans afficher de fenêtre.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::ExportRun</name>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Ce programme ne peut pas ouvrir la fenêtre de l'expérience.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>L'expérience ne contient aucun tracé dont les points puissent être écrits.</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>Le circuit de l’expérience n’a pas d’énergies qui puissent être écrites.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>La fenêtre de l'expérience n'a pas de fiche de travail.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::FitOptions</name>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Avec --fit : le circuit, l'un de rc, rl, lc, rlc, seul (sans source) ou suivi de -dc ou -ac.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Avec --fit : ce que le canal a mesuré, vC, vR, vL, i ou q.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Avec --fit : fixe un paramètre (R, L, C, v0, f0, q0, i0) à une valeur en unités SI ; tous les autres sont ajustés.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Avec --fit : ajuste les points à partir de ce temps, en secondes.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Avec --fit : ajuste les points jusqu'à ce temps, en secondes.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Avec --fit : la colonne de valeurs à ajuster, 1 par défaut.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Avec --fit : écrit le résultat sous la forme d'un objet JSON.</translation>
        </message>
    </context>
    <context>
        <name>kel::shell::MainMenu</name>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Labo Kel pour Dax 202</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Labo circuits Kel</translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sans source</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Source continue</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Source alternative</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>with a constant (DC) emf source</source>
            <translation>avec un générateur de tension continue</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>avec un générateur de tension alternative</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Étudier uniquement les circuits %1 %2</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>Circuits RC</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>Circuits RL</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>Circuits LC</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Circuits Kel</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Fresnel</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Ouvre l'outil d'étude des diagrammes de Fresnel et des déphasages</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Quitte le programme !</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>générateur de tension continue</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>générateur de tension alternative</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuit série : source de f.é.m. E, résistance R, condensateur C et bobine L</translation>
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
            <translation>%1 %2 V à %3°</translation>
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
            <translation>%1 = %2 %3 (fixé)</translation>
        </message>
        <message>
            <source>%1 = %2 ± %3 %4</source>
            <translation>%1 = %2 ± %3 %4</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated (%3).</source>
            <translation>%1 et %2 sont corrélés (%3).</translation>
        </message>
        <message>
            <source>%1 and %2 are correlated: %3.</source>
            <translation>%1 et %2 sont corrélés : %3.</translation>
        </message>
        <message>
            <source>%1 cannot be opened as a recording.
%2</source>
            <translation>%1 ne peut pas être ouvert comme enregistrement.
%2</translation>
        </message>
        <message>
            <source>%1 has no peak: Q ≤ 1/√2</source>
            <translation>%1 n'a pas de pic : Q ≤ 1/√2</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 en %2</translation>
        </message>
        <message>
            <source>%1 is drawn in %2</source>
            <translation>%1 est tracé en %2</translation>
        </message>
        <message>
            <source>%1 is not a number</source>
            <translation>%1 n'est pas un nombre</translation>
        </message>
        <message>
            <source>%1 is outside the range this program can draw: its magnitude must lie between %2 and %3. Nothing was drawn.</source>
            <translation>%1 est hors du domaine que ce programme peut tracer : sa valeur absolue doit être comprise entre %2 et %3. Rien n'a été tracé.</translation>
        </message>
        <message>
            <source>%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.</source>
            <translation>%1 points de %2 de %3 s à %4 s ; fenêtre d'ajustement de %5 s à %6 s.</translation>
        </message>
        <message>
            <source>%1 “%2” is not a number.</source>
            <translation>%1 « %2 » n'est pas un nombre.</translation>
        </message>
        <message>
            <source>%1: not determined by these data</source>
            <translation>%1 : non déterminé par ces données</translation>
        </message>
        <message>
            <source>&amp;Apply to Lab</source>
            <translation>&amp;Appliquer au labo</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Measured:</source>
            <translation>&amp;Mesuré :</translation>
        </message>
        <message>
            <source>&amp;Open Recording...</source>
            <translation>&amp;Ouvrir un enregistrement...</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Infos &amp;système...</translation>
        </message>
        <message>
            <source>(not a number)</source>
            <translation>(pas un nombre)</translation>
        </message>
        <message>
            <source>, </source>
            <translation>, </translation>
        </message>
        <message>
            <source>, not converged</source>
            <translation>, sans convergence</translation>
        </message>
        <message>
            <source>--fit needs the circuit and the quantity (kel --fit FILE --circuit rlc --quantity vC).</source>
            <translation>--fit nécessite le circuit et la grandeur (kel --fit FILE --circuit rlc --quantity vC).</translation>
        </message>
        <message>
            <source>--fit reads a recording on its own; give no experiment file and no export with it.</source>
            <translation>--fit lit un enregistrement seul ; ne donnez ni fichier d'expérience ni export avec lui.</translation>
        </message>
        <message>
            <source>--fix %1 is not NAME=VALUE with NAME one of R, L, C, v0, f0, q0, i0 and VALUE a number, such as --fix C=1e-6.</source>
            <translation>--fix %1 n'est pas NOM=VALEUR, NOM parmi R, L, C, v0, f0, q0, i0 et VALEUR un nombre, par exemple --fix C=1e-6.</translation>
        </message>
        <message>
            <source>A circuit without both L and C has no resonance.</source>
            <translation>Un circuit sans L et C à la fois n'a pas de résonance.</translation>
        </message>
        <message>
            <source>A fixed value is not a number the circuit can have.</source>
            <translation>Une valeur fixée n'est pas un nombre que le circuit peut avoir.</translation>
        </message>
        <message>
            <source>A frequency response needs a circuit with an AC source.</source>
            <translation>Une réponse en fréquence demande un circuit avec une source alternative.</translation>
        </message>
        <message>
            <source>A held R, L, C or f0 must be a positive number in the lab.</source>
            <translation>Un R, L, C ou f0 fixé doit être un nombre positif dans le labo.</translation>
        </message>
        <message>
            <source>A held parameter's box in the lab is not a number: type its value there or tick it as free.</source>
            <translation>La case d'un paramètre fixé dans le labo n'est pas un nombre : tapez-y sa valeur ou cochez-le comme libre.</translation>
        </message>
        <message>
            <source>A.C.</source>
            <translation>Alt.</translation>
        </message>
        <message>
            <source>AC Source</source>
            <translation>Source alternative</translation>
        </message>
        <message>
            <source>AC source</source>
            <translation>générateur de tension alternative</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>À propos de %1</translation>
        </message>
        <message>
            <source>Against the reference: %1</source>
            <translation>Par rapport à la référence : %1</translation>
        </message>
        <message>
            <source>Alternating EMF</source>
            <translation>Tension alternative</translation>
        </message>
        <message>
            <source>Amplitude </source>
            <translation>Amplitude </translation>
        </message>
        <message>
            <source>Amplitude of the capacitor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes du condensateur en volts</translation>
        </message>
        <message>
            <source>Amplitude of the inductor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes de la bobine en volts</translation>
        </message>
        <message>
            <source>Amplitude of the resistor voltage in volts</source>
            <translation>Amplitude de la tension aux bornes de la résistance en volts</translation>
        </message>
        <message>
            <source>Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V</source>
            <translation>Amplitudes : VR = %1 V, VC = %2 V, VL = %3 V</translation>
        </message>
        <message>
            <source>Angular frequency w0 in radians per second</source>
            <translation>Pulsation w0 en radians par seconde</translation>
        </message>
        <message>
            <source>Animate</source>
            <translation>Animer</translation>
        </message>
        <message>
            <source>Asymptotes: %1 dB/decade below, %2 dB/decade above</source>
            <translation>Asymptotes : %1 dB/décade en dessous, %2 dB/décade au-dessus</translation>
        </message>
        <message>
            <source>At resonance (ω = ω0) the driven term grows linearly with t: the limit of the off-resonance form.</source>
            <translation>À la résonance (ω = ω0), le terme forcé croît linéairement avec t : c'est la limite de la forme hors résonance.</translation>
        </message>
        <message>
            <source>At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</source>
            <translation>À t = %1 s : vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V</translation>
        </message>
        <message>
            <source>Axis Numbers</source>
            <translation>Graduations des axes</translation>
        </message>
        <message>
            <source>Balance W_C + W_L + W_R − W_S = %1, largest deviation %2</source>
            <translation>Bilan W_C + W_L + W_R − W_S = %1, plus grand écart %2</translation>
        </message>
        <message>
            <source>Band between them (shaded): width %1</source>
            <translation>Bande entre elles (ombrée) : largeur %1</translation>
        </message>
        <message>
            <source>Bandwidth Δf = R/(2πL) = %1</source>
            <translation>Bande passante Δf = R/(2πL) = %1</translation>
        </message>
        <message>
            <source>Brings up tool for studying phasor diagrams and phase relations</source>
            <translation>Ouvre l'outil d'étude des diagrammes de Fresnel et des déphasages</translation>
        </message>
        <message>
            <source>C =</source>
            <translation>C =</translation>
        </message>
        <message>
            <source>C must be above 0 for the circuit to resonate (C = 0 means no capacitor).</source>
            <translation>C doit être supérieure à 0 pour que le circuit entre en résonance (C = 0 signifie : pas de condensateur).</translation>
        </message>
        <message>
            <source>C&amp;olumn:</source>
            <translation>C&amp;olonne :</translation>
        </message>
        <message>
            <source>CSV files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>CSV table (*.csv)</source>
            <translation>Tableau CSV (*.csv)</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Capacitance C in farads</source>
            <translation>Capacité C en farads</translation>
        </message>
        <message>
            <source>Capacitor Current vs Time</source>
            <translation>Intensité dans C</translation>
        </message>
        <message>
            <source>Capacitor Voltage vs Time</source>
            <translation>Tension aux bornes de C</translation>
        </message>
        <message>
            <source>Capacitor voltage at the time in volts</source>
            <translation>Tension aux bornes du condensateur à cet instant, en volts</translation>
        </message>
        <message>
            <source>Channel</source>
            <translation>Voie</translation>
        </message>
        <message>
            <source>Charge</source>
            <translation>Charge</translation>
        </message>
        <message>
            <source>Charge q</source>
            <translation>Charge q</translation>
        </message>
        <message>
            <source>Charge vs Time</source>
            <translation>Charge q(t)</translation>
        </message>
        <message>
            <source>Check to display Charge vs time graph</source>
            <translation>Cocher pour tracer la charge en fonction du temps</translation>
        </message>
        <message>
            <source>Check to display Current vs time graph</source>
            <translation>Cocher pour tracer l'intensité en fonction du temps</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab first.</source>
            <translation>Choisissez d'abord un circuit dans le labo.</translation>
        </message>
        <message>
            <source>Choose a circuit in the lab: its values are the starting and held values of the fit.</source>
            <translation>Choisissez un circuit dans le labo : ses valeurs sont les valeurs de départ et les valeurs fixées de l'ajustement.</translation>
        </message>
        <message>
            <source>Choose a circuit in the main menu first.</source>
            <translation>Choisissez d’abord un circuit dans le menu principal.</translation>
        </message>
        <message>
            <source>Circuit %1, quantity %2, %3 points</source>
            <translation>Circuit %1, grandeur %2, %3 points</translation>
        </message>
        <message>
            <source>Circuit Lab</source>
            <translation>Laboratoire de circuits</translation>
        </message>
        <message>
            <source>Clear Graphs</source>
            <translation>Effacer les courbes</translation>
        </message>
        <message>
            <source>Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>Cliquez sur une fréquence, ou appuyez sur Gauche ou Droite, pour y régler le générateur.</translation>
        </message>
        <message>
            <source>Click here to get values of time, current and/or charge</source>
            <translation>Cliquer ici pour lire le temps, l'intensité et la charge</translation>
        </message>
        <message>
            <source>Click to Replot at this time</source>
            <translation>Cliquer pour retracer à cet instant</translation>
        </message>
        <message>
            <source>Click to set the source to this frequency</source>
            <translation>Cliquer pour régler le générateur sur cette fréquence</translation>
        </message>
        <message>
            <source>Click, or use Left and Right, to read the energies at a time</source>
            <translation>Cliquez, ou utilisez Gauche et Droite, pour lire les énergies à un instant</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Close to critical damping the program writes the two exponentials as cosh and sinh, which join the critical form smoothly instead of cancelling.</source>
            <translation>Près du régime critique, le programme écrit les deux exponentielles avec cosh et sinh, qui rejoignent sans à-coup la forme critique au lieu de se compenser.</translation>
        </message>
        <message>
            <source>Constant EMF</source>
            <translation>Tension continue</translation>
        </message>
        <message>
            <source>Constant EMF </source>
            <translation>Tension continue </translation>
        </message>
        <message>
            <source>Copy Graph</source>
            <translation>Copier le graphique</translation>
        </message>
        <message>
            <source>Copy Picture</source>
            <translation>Copier l'image</translation>
        </message>
        <message>
            <source>Copy as LaTeX</source>
            <translation>Copier en LaTeX</translation>
        </message>
        <message>
            <source>Critical damping: the program uses the limiting form (A + B·t)·e^(−αt), where the two rates coincide.</source>
            <translation>Régime critique : le programme utilise la forme limite (A + B·t)·e^(−αt), où les deux taux coïncident.</translation>
        </message>
        <message>
            <source>Critically damped (α = ω0): the fastest return without oscillation.</source>
            <translation>Régime critique (α = ω0) : le retour le plus rapide sans oscillation.</translation>
        </message>
        <message>
            <source>Current</source>
            <translation>Courant</translation>
        </message>
        <message>
            <source>Current (I/V, dB re 1 A/V)</source>
            <translation>Courant (I/V, dB réf. 1 A/V)</translation>
        </message>
        <message>
            <source>Current amplitude and phase against frequency</source>
            <translation>Amplitude et phase de l'intensité en fonction de la fréquence</translation>
        </message>
        <message>
            <source>Current i</source>
            <translation>Intensité i</translation>
        </message>
        <message>
            <source>Current vs Time</source>
            <translation>Intensité i(t)</translation>
        </message>
        <message>
            <source>Currents</source>
            <translation>Intensités</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s.</source>
            <translation>Curseur à t = %1 s.</translation>
        </message>
        <message>
            <source>Cursor at t = %1 s: %2.</source>
            <translation>Curseur à t = %1 s : %2.</translation>
        </message>
        <message>
            <source>Curves: %1.</source>
            <translation>Courbes : %1.</translation>
        </message>
        <message>
            <source>Cycles</source>
            <translation>Périodes</translation>
        </message>
        <message>
            <source>D.C.</source>
            <translation>Cont.</translation>
        </message>
        <message>
            <source>DC Source</source>
            <translation>Source continue</translation>
        </message>
        <message>
            <source>DC source</source>
            <translation>générateur de tension continue</translation>
        </message>
        <message>
            <source>Differential equation</source>
            <translation>Équation différentielle</translation>
        </message>
        <message>
            <source>Energies against time</source>
            <translation>Énergies en fonction du temps</translation>
        </message>
        <message>
            <source>Energy</source>
            <translation>Énergie</translation>
        </message>
        <message>
            <source>Enter maximum t value</source>
            <translation>Entrez la valeur maximale de t</translation>
        </message>
        <message>
            <source>Enter maximum vertical value</source>
            <translation>Entrez la valeur maximale de l'axe vertical</translation>
        </message>
        <message>
            <source>Enter minimum t value</source>
            <translation>Entrez la valeur minimale de t</translation>
        </message>
        <message>
            <source>Enter minimum vertical value</source>
            <translation>Entrez la valeur minimale de l'axe vertical</translation>
        </message>
        <message>
            <source>Equations</source>
            <translation>Équations</translation>
        </message>
        <message>
            <source>Error in Entry</source>
            <translation>Erreur dans la saisie</translation>
        </message>
        <message>
            <source>Error: %1 is not a number. Try Again</source>
            <translation>Erreur : %1 n'est pas un nombre. Recommencez</translation>
        </message>
        <message>
            <source>Error: %1 is too large for the graph. Try Again</source>
            <translation>Erreur : %1 est trop grand pour le graphique. Recommencez</translation>
        </message>
        <message>
            <source>Error: x1 = x2. Try Again</source>
            <translation>Erreur : x1 = x2. Recommencez</translation>
        </message>
        <message>
            <source>Error: y1 = y2. Try Again</source>
            <translation>Erreur : y1 = y2. Recommencez</translation>
        </message>
        <message>
            <source>Every parameter is fixed; there is nothing to fit.</source>
            <translation>Tous les paramètres sont fixés ; il n'y a rien à ajuster.</translation>
        </message>
        <message>
            <source>Experiment</source>
            <translation>Expérience</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Exporting needs the experiment file to export (kel FILE.kel --export-png OUT.png).</source>
            <translation>L'export a besoin du fichier d'expérience à exporter (kel FILE.kel --export-png OUT.png).</translation>
        </message>
        <message>
            <source>F&amp;it</source>
            <translation>A&amp;juster</translation>
        </message>
        <message>
            <source>Faster</source>
            <translation>Plus vite</translation>
        </message>
        <message>
            <source>Fit</source>
            <translation>Ajustement</translation>
        </message>
        <message>
            <source>Fit &amp;from (s):</source>
            <translation>Ajuster &amp;de (s) :</translation>
        </message>
        <message>
            <source>Fit &amp;to (s):</source>
            <translation>Ajuster &amp;à (s) :</translation>
        </message>
        <message>
            <source>Fit from</source>
            <translation>Ajuster de</translation>
        </message>
        <message>
            <source>Fit to</source>
            <translation>Ajuster à</translation>
        </message>
        <message>
            <source>Fits the PNG within WxH pixels (such as 1600x1200), keeping its proportions.</source>
            <translation>Fait tenir le PNG dans WxH pixels (par exemple 1600x1200) en gardant ses proportions.</translation>
        </message>
        <message>
            <source>Fits the circuit's exact solution to the recording FILE and writes each value with its uncertainty, without showing a window.</source>
            <translation>Ajuste la solution exacte du circuit à l'enregistrement FILE et écrit chaque valeur avec son incertitude, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Free parameters</source>
            <translation>Paramètres libres</translation>
        </message>
        <message>
            <source>Frequency </source>
            <translation>Fréquence </translation>
        </message>
        <message>
            <source>Frequency Response</source>
            <translation>Réponse en fréquence</translation>
        </message>
        <message>
            <source>Frequency f (logarithmic scale)</source>
            <translation>Fréquence f (échelle logarithmique)</translation>
        </message>
        <message>
            <source>Give one experiment file, not %1.</source>
            <translation>Donnez un seul fichier d'expérience, pas %1.</translation>
        </message>
        <message>
            <source>Graph Scale</source>
            <translation>Échelle</translation>
        </message>
        <message>
            <source>Graph Selection</source>
            <translation>Courbes</translation>
        </message>
        <message>
            <source>Graph against time</source>
            <translation>Courbe en fonction du temps</translation>
        </message>
        <message>
            <source>Graphics Warning</source>
            <translation>Avertissement sur le tracé</translation>
        </message>
        <message>
            <source>Graphs Shown</source>
            <translation>Courbes affichées</translation>
        </message>
        <message>
            <source>Half-power band (shaded): %1 to %2, where I₀ = I₀max/√2 and φ = ±45°</source>
            <translation>Bande passante à mi-puissance (grisée) : de %1 à %2, où I₀ = I₀max/√2 et φ = ±45°</translation>
        </message>
        <message>
            <source>I0 (A)</source>
            <translation>I0 (A)</translation>
        </message>
        <message>
            <source>Include Cursor in Pictures</source>
            <translation>Inclure le curseur dans les images</translation>
        </message>
        <message>
            <source>Inductance L in henries</source>
            <translation>Inductance L en henrys</translation>
        </message>
        <message>
            <source>Inductor Current vs Time</source>
            <translation>Intensité dans L</translation>
        </message>
        <message>
            <source>Inductor Voltage vs Time</source>
            <translation>Tension aux bornes de L</translation>
        </message>
        <message>
            <source>Inductor voltage at the time in volts</source>
            <translation>Tension aux bornes de la bobine à cet instant, en volts</translation>
        </message>
        <message>
            <source>Initial charge in Coulombs</source>
            <translation>Charge initiale en coulombs</translation>
        </message>
        <message>
            <source>Initial charge q0 in coulombs</source>
            <translation>Charge initiale q0 en coulombs</translation>
        </message>
        <message>
            <source>Initial conditions</source>
            <translation>Conditions initiales</translation>
        </message>
        <message>
            <source>Initial current i0 in amperes</source>
            <translation>Intensité initiale i0 en ampères</translation>
        </message>
        <message>
            <source>Initial current in amperes</source>
            <translation>Intensité initiale en ampères</translation>
        </message>
        <message>
            <source>Input Error</source>
            <translation>Erreur de saisie</translation>
        </message>
        <message>
            <source>It has %1 bytes; a recording may have at most %2.</source>
            <translation>Il fait %1 octets ; un enregistrement en a au plus %2.</translation>
        </message>
        <message>
            <source>It has %1 rows; a recording may have at most %2.</source>
            <translation>Il a %1 lignes ; un enregistrement en a au plus %2.</translation>
        </message>
        <message>
            <source>It is empty.</source>
            <translation>Il est vide.</translation>
        </message>
        <message>
            <source>It is not text: line %1 holds a control character at byte %2.</source>
            <translation>Ce n'est pas du texte : la ligne %1 contient un caractère de contrôle à l'octet %2.</translation>
        </message>
        <message>
            <source>Kel Circuit Lab</source>
            <translation>Labo circuits Kel</translation>
        </message>
        <message>
            <source>Kel Circuit Lab %1</source>
            <translation>Kel Circuit Lab %1</translation>
        </message>
        <message>
            <source>Kel Circuit Lab: the exact charge, current and voltages of series RC, RL, LC and RLC circuits, and the phasors of a driven RLC circuit.</source>
            <translation>Labo circuits Kel : charge, intensité et tensions exactes des circuits RC, RL, LC et RLC série, et vecteurs de Fresnel d'un circuit RLC en régime forcé.</translation>
        </message>
        <message>
            <source>Kel Circuits</source>
            <translation>Circuits Kel</translation>
        </message>
        <message>
            <source>Kel Circuits Lab for Dax 202</source>
            <translation>Labo circuits Kel pour Dax 202</translation>
        </message>
        <message>
            <source>Kel Lab for Dax 202</source>
            <translation>Labo Kel pour Dax 202</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel)</source>
            <translation>Expérience Kel (*.kel)</translation>
        </message>
        <message>
            <source>Kel experiment (*.kel);;All files (*)</source>
            <translation>Expérience Kel (*.kel);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>L =</source>
            <translation>L =</translation>
        </message>
        <message>
            <source>L must be above 0 for the circuit to resonate.</source>
            <translation>L doit être supérieure à 0 pour que le circuit entre en résonance.</translation>
        </message>
        <message>
            <source>LC Circuits</source>
            <translation>Circuits LC</translation>
        </message>
        <message>
            <source>LC circuit</source>
            <translation>Circuit LC</translation>
        </message>
        <message>
            <source>LC circuit with a constant source</source>
            <translation>Circuit LC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>LC circuit with an alternating source</source>
            <translation>Circuit LC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>LC circuit without a source</source>
            <translation>Circuit LC sans générateur</translation>
        </message>
        <message>
            <source>Lab circuit %1: %2</source>
            <translation>Circuit du labo %1 : %2</translation>
        </message>
        <message>
            <source>Launcher %1 draws the frame of the current scale, so "lab.frame" cannot be "fixed".</source>
            <translation>Le bouton %1 trace le cadre de l'échelle actuelle, donc "lab.frame" ne peut pas valoir "fixed".</translation>
        </message>
        <message>
            <source>Line %1 has %2 value columns; at most four are read.</source>
            <translation>La ligne %1 a %2 colonnes de valeurs ; quatre au plus sont lues.</translation>
        </message>
        <message>
            <source>Line %1 has one column only; a recording needs a time and a value.</source>
            <translation>La ligne %1 n'a qu'une colonne ; un enregistrement demande un temps et une valeur.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a finite number.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a number.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un nombre.</translation>
        </message>
        <message>
            <source>Line %1, column %2: "%3" is not a usable start time or increment.</source>
            <translation>Ligne %1, colonne %2 : « %3 » n'est pas un temps de départ ou un pas utilisable.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the row does not have the %3 columns of the first row.</source>
            <translation>Ligne %1, colonne %2 : la ligne n'a pas les %3 colonnes de la première.</translation>
        </message>
        <message>
            <source>Line %1, column %2: the time %3 is not later than the one before.</source>
            <translation>Ligne %1, colonne %2 : le temps %3 n'est pas postérieur au précédent.</translation>
        </message>
        <message>
            <source>Line %1: only %2 samples; at least 3 are needed.</source>
            <translation>Ligne %1 : seulement %2 échantillons ; il en faut au moins 3.</translation>
        </message>
        <message>
            <source>Magnitude and phase against frequency</source>
            <translation>Gain et phase en fonction de la fréquence</translation>
        </message>
        <message>
            <source>Mark Reference</source>
            <translation>Marquer la référence</translation>
        </message>
        <message>
            <source>Marker at t2 = %1 s.</source>
            <translation>Repère à t2 = %1 s.</translation>
        </message>
        <message>
            <source>Maximum t value</source>
            <translation>Valeur maximale de t</translation>
        </message>
        <message>
            <source>Maximum vertical value</source>
            <translation>Valeur maximale de l'axe vertical</translation>
        </message>
        <message>
            <source>Measurement</source>
            <translation>Mesure</translation>
        </message>
        <message>
            <source>Measurement - %1</source>
            <translation>Mesure - %1</translation>
        </message>
        <message>
            <source>Minimum t value</source>
            <translation>Valeur minimale de t</translation>
        </message>
        <message>
            <source>Minimum vertical value</source>
            <translation>Valeur minimale de l'axe vertical</translation>
        </message>
        <message>
            <source>Model curve of the fitted circuit. Fit result: %1</source>
            <translation>Courbe du modèle du circuit ajusté. Résultat de l'ajustement : %1</translation>
        </message>
        <message>
            <source>Model curve of the lab's circuit, not fitted yet.</source>
            <translation>Courbe du modèle du circuit du labo, pas encore ajusté.</translation>
        </message>
        <message>
            <source>Near resonance the steady and transient terms are large and nearly opposite; the program evaluates the same curve as the response from rest written with (1 − e^(−z))/z, the limiting form that stays exact at resonance.</source>
            <translation>Près de la résonance, les termes permanent et transitoire sont grands et presque opposés ; le programme calcule la même courbe comme réponse depuis le repos, écrite avec (1 − e^(−z))/z, la forme limite qui reste exacte à la résonance.</translation>
        </message>
        <message>
            <source>No EMF</source>
            <translation>Sans générateur</translation>
        </message>
        <message>
            <source>No EMF </source>
            <translation>Sans générateur </translation>
        </message>
        <message>
            <source>No EMF Source</source>
            <translation>Sans source</translation>
        </message>
        <message>
            <source>No circuit</source>
            <translation>Aucun circuit</translation>
        </message>
        <message>
            <source>No circuit of this kind fits these samples.</source>
            <translation>Aucun circuit de ce type ne s'ajuste à ces échantillons.</translation>
        </message>
        <message>
            <source>No curves plotted.</source>
            <translation>Aucune courbe tracée.</translation>
        </message>
        <message>
            <source>No model curve: the lab's circuit lacks a value or this quantity.</source>
            <translation>Pas de courbe du modèle : il manque au circuit du labo une valeur ou cette grandeur.</translation>
        </message>
        <message>
            <source>No recording is shown.</source>
            <translation>Aucun enregistrement n'est affiché.</translation>
        </message>
        <message>
            <source>No recording open.</source>
            <translation>Aucun enregistrement ouvert.</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Aucun</translation>
        </message>
        <message>
            <source>Number of Cycles</source>
            <translation>Nb de périodes</translation>
        </message>
        <message>
            <source>Number of Cycles / f is too long or too short to draw</source>
            <translation>Nb de périodes / f est trop long ou trop court pour le tracé</translation>
        </message>
        <message>
            <source>Number of Cycles must be greater than 0</source>
            <translation>Le nombre de périodes doit être supérieur à 0</translation>
        </message>
        <message>
            <source>Number of Cycles must not be 0</source>
            <translation>Le nombre de périodes ne doit pas être 0</translation>
        </message>
        <message>
            <source>Number of cycles</source>
            <translation>Nombre de périodes</translation>
        </message>
        <message>
            <source>Number of cycles shown on Voltage vs time plots</source>
            <translation>Nombre de périodes montrées sur les courbes de tension</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Open Experiment</source>
            <translation>Ouvrir une expérience</translation>
        </message>
        <message>
            <source>Open Experiment...</source>
            <translation>Ouvrir une expérience...</translation>
        </message>
        <message>
            <source>Open Measurement</source>
            <translation>Ouvrir une mesure</translation>
        </message>
        <message>
            <source>Open Measurement...</source>
            <translation>Ouvrir une mesure...</translation>
        </message>
        <message>
            <source>Open a recording (Ctrl+O) to see its samples here.</source>
            <translation>Ouvrez un enregistrement (Ctrl+O) pour voir ses échantillons ici.</translation>
        </message>
        <message>
            <source>Overdamped (α &gt; ω0): two real decay rates.</source>
            <translation>Régime apériodique (α &gt; ω0) : deux taux d'amortissement réels.</translation>
        </message>
        <message>
            <source>PDF document (*.pdf)</source>
            <translation>Document PDF (*.pdf)</translation>
        </message>
        <message>
            <source>PNG image (*.png);;SVG drawing (*.svg)</source>
            <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
        </message>
        <message>
            <source>PNG images (*.png);;SVG drawings (*.svg)</source>
            <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
        </message>
        <message>
            <source>Pages</source>
            <translation>Onglets</translation>
        </message>
        <message>
            <source>Parameter</source>
            <translation>Paramètre</translation>
        </message>
        <message>
            <source>Parameters</source>
            <translation>Paramètres</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>Paused at %1×</source>
            <translation>En pause à %1×</translation>
        </message>
        <message>
            <source>Peak of %1: %2 dB at %3</source>
            <translation>Pic de %1 : %2 dB à %3</translation>
        </message>
        <message>
            <source>Peak: %1 dB at %2</source>
            <translation>Pic : %1 dB à %2</translation>
        </message>
        <message>
            <source>Phasor Plots</source>
            <translation>Diagrammes de Fresnel</translation>
        </message>
        <message>
            <source>Phasor Projections</source>
            <translation>Projections</translation>
        </message>
        <message>
            <source>Phasor diagram</source>
            <translation>Diagramme de Fresnel</translation>
        </message>
        <message>
            <source>Phasor diagram: empty. Choose Plot to draw.</source>
            <translation>Diagramme des phaseurs : vide. Choisissez « Tracer ».</translation>
        </message>
        <message>
            <source>Phasor projections</source>
            <translation>Projections des vecteurs de Fresnel</translation>
        </message>
        <message>
            <source>Phasors</source>
            <translation>Vecteurs de Fresnel</translation>
        </message>
        <message>
            <source>Phasors at t = %1 s: %2.</source>
            <translation>Phaseurs à t = %1 s : %2.</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>Lecture</translation>
        </message>
        <message>
            <source>Playing at %1×</source>
            <translation>Lecture à %1×</translation>
        </message>
        <message>
            <source>Plot</source>
            <translation>Tracer</translation>
        </message>
        <message>
            <source>Plot Graphs</source>
            <translation>Tracer les courbes</translation>
        </message>
        <message>
            <source>Plot charge against time</source>
            <translation>Tracer la charge en fonction du temps</translation>
        </message>
        <message>
            <source>Plot current against time</source>
            <translation>Tracer l'intensité en fonction du temps</translation>
        </message>
        <message>
            <source>Plot source voltage against time</source>
            <translation>Tracer la tension du générateur en fonction du temps</translation>
        </message>
        <message>
            <source>Plots drawn: %1.</source>
            <translation>Tracés effectués : %1.</translation>
        </message>
        <message>
            <source>Print Worksheet</source>
            <translation>Imprimer la fiche de travail</translation>
        </message>
        <message>
            <source>Print Worksheet…</source>
            <translation>Imprimer la fiche de travail…</translation>
        </message>
        <message>
            <source>Quality factor Q = ω₀L/R = %1</source>
            <translation>Facteur de qualité Q = ω₀L/R = %1</translation>
        </message>
        <message>
            <source>Quantity shown</source>
            <translation>Grandeur affichée</translation>
        </message>
        <message>
            <source>Quantity:</source>
            <translation>Grandeur :</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Quits the Program!</source>
            <translation>Quitte le programme !</translation>
        </message>
        <message>
            <source>R =</source>
            <translation>R =</translation>
        </message>
        <message>
            <source>R = 0: without resistance Q is infinite and the current at resonance has no limit. Give R a value above 0.</source>
            <translation>R = 0 : sans résistance, Q est infini et l'intensité à la résonance n'a pas de limite. Donnez à R une valeur supérieure à 0.</translation>
        </message>
        <message>
            <source>R is negative: give R a value above 0.</source>
            <translation>R est négative : donnez à R une valeur supérieure à 0.</translation>
        </message>
        <message>
            <source>R, L and C must be positive numbers for a frequency response.</source>
            <translation>R, L et C doivent être des nombres positifs pour une réponse en fréquence.</translation>
        </message>
        <message>
            <source>RC Circuits</source>
            <translation>Circuits RC</translation>
        </message>
        <message>
            <source>RC circuit</source>
            <translation>Circuit RC</translation>
        </message>
        <message>
            <source>RC circuit with a constant source</source>
            <translation>Circuit RC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>RC circuit with an alternating source</source>
            <translation>Circuit RC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RC circuit without a source</source>
            <translation>Circuit RC sans générateur</translation>
        </message>
        <message>
            <source>RL Circuits</source>
            <translation>Circuits RL</translation>
        </message>
        <message>
            <source>RL circuit</source>
            <translation>Circuit RL</translation>
        </message>
        <message>
            <source>RL circuit with a constant source</source>
            <translation>Circuit RL avec générateur de tension continue</translation>
        </message>
        <message>
            <source>RL circuit with an alternating source</source>
            <translation>Circuit RL avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RL circuit without a source</source>
            <translation>Circuit RL sans générateur</translation>
        </message>
        <message>
            <source>RLC circuit</source>
            <translation>Circuit RLC</translation>
        </message>
        <message>
            <source>RLC circuit with a constant source</source>
            <translation>Circuit RLC avec générateur de tension continue</translation>
        </message>
        <message>
            <source>RLC circuit with an alternating source</source>
            <translation>Circuit RLC avec générateur de tension alternative</translation>
        </message>
        <message>
            <source>RLC circuit without a source</source>
            <translation>Circuit RLC sans générateur</translation>
        </message>
        <message>
            <source>RMS residual %1, %2 points%3</source>
            <translation>Résidu quadratique moyen %1, %2 points%3</translation>
        </message>
        <message>
            <source>RMS residual: %1</source>
            <translation>Résidu quadratique moyen : %1</translation>
        </message>
        <message>
            <source>Read-out charge in coulombs</source>
            <translation>Charge lue, en coulombs</translation>
        </message>
        <message>
            <source>Read-out current in amperes</source>
            <translation>Intensité lue, en ampères</translation>
        </message>
        <message>
            <source>Read-out time in seconds</source>
            <translation>Temps lu, en secondes</translation>
        </message>
        <message>
            <source>Read-out: %1</source>
            <translation>Lecture : %1</translation>
        </message>
        <message>
            <source>Reading %1 was cancelled.</source>
            <translation>La lecture de %1 a été annulée.</translation>
        </message>
        <message>
            <source>Recent Experiments</source>
            <translation>Expériences récentes</translation>
        </message>
        <message>
            <source>Recording graph</source>
            <translation>Graphique de l'enregistrement</translation>
        </message>
        <message>
            <source>Recording: %1</source>
            <translation>Enregistrement : %1</translation>
        </message>
        <message>
            <source>Recording: %1, %2 samples</source>
            <translation>Enregistrement : %1, %2 échantillons</translation>
        </message>
        <message>
            <source>Recordings (*.csv *.txt *.tsv *.dat);;All files (*)</source>
            <translation>Enregistrements (*.csv *.txt *.tsv *.dat);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Regime</source>
            <translation>Régime</translation>
        </message>
        <message>
            <source>Residuals</source>
            <translation>Résidus</translation>
        </message>
        <message>
            <source>Resistance R in ohms</source>
            <translation>Résistance R en ohms</translation>
        </message>
        <message>
            <source>Resistor Current vs Time</source>
            <translation>Intensité dans R</translation>
        </message>
        <message>
            <source>Resistor Voltage vs Time</source>
            <translation>Tension aux bornes de R</translation>
        </message>
        <message>
            <source>Resistor voltage at the time in volts</source>
            <translation>Tension aux bornes de la résistance à cet instant, en volts</translation>
        </message>
        <message>
            <source>Resonance Curve</source>
            <translation>Courbe de résonance</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = %1</source>
            <translation>Fréquence de résonance f₀ = %1</translation>
        </message>
        <message>
            <source>Resonance frequency f₀ = 1/(2π√(LC)) = %1</source>
            <translation>Fréquence de résonance f₀ = 1/(2π√(LC)) = %1</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Recommencer</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not a finite number.</source>
            <translation>L'échantillon %1 de %2 n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>Sample %1 of %2 is not later than the one before.</source>
            <translation>L'échantillon %1 de %2 n'est pas postérieur au précédent.</translation>
        </message>
        <message>
            <source>Save Data</source>
            <translation>Enregistrer les données</translation>
        </message>
        <message>
            <source>Save Data as CSV</source>
            <translation>Enregistrer les données en CSV</translation>
        </message>
        <message>
            <source>Save Data as CSV...</source>
            <translation>Enregistrer les données en CSV...</translation>
        </message>
        <message>
            <source>Save Data...</source>
            <translation>Enregistrer les données...</translation>
        </message>
        <message>
            <source>Save Experiment</source>
            <translation>Enregistrer l'expérience</translation>
        </message>
        <message>
            <source>Save Experiment As</source>
            <translation>Enregistrer l'expérience sous</translation>
        </message>
        <message>
            <source>Save Experiment As...</source>
            <translation>Enregistrer l'expérience sous...</translation>
        </message>
        <message>
            <source>Save Graph</source>
            <translation>Enregistrer le graphique</translation>
        </message>
        <message>
            <source>Save Graph...</source>
            <translation>Enregistrer le graphique...</translation>
        </message>
        <message>
            <source>Save Picture</source>
            <translation>Enregistrer l'image</translation>
        </message>
        <message>
            <source>Save Picture...</source>
            <translation>Enregistrer l'image...</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF</source>
            <translation>Enregistrer la fiche en PDF</translation>
        </message>
        <message>
            <source>Save Worksheet as PDF…</source>
            <translation>Enregistrer la fiche en PDF…</translation>
        </message>
        <message>
            <source>Series circuit, AC source</source>
            <translation>Circuit série, source alternative</translation>
        </message>
        <message>
            <source>Series circuit: EMF source E, resistor R, capacitor C and inductor L</source>
            <translation>Circuit série : source de f.é.m. E, résistance R, condensateur C et bobine L</translation>
        </message>
        <message>
            <source>Set f to Natural Frequency</source>
            <translation>f = fréquence propre</translation>
        </message>
        <message>
            <source>Show the total voltage</source>
            <translation>Afficher la tension totale</translation>
        </message>
        <message>
            <source>Show the voltage across the capacitor</source>
            <translation>Afficher la tension aux bornes du condensateur</translation>
        </message>
        <message>
            <source>Show the voltage across the inductor</source>
            <translation>Afficher la tension aux bornes de la bobine</translation>
        </message>
        <message>
            <source>Show the voltage across the resistor</source>
            <translation>Afficher la tension aux bornes de la résistance</translation>
        </message>
        <message>
            <source>Shows the program in the language CODE (de, en, es, fr, pt_BR) instead of the system's.</source>
            <translation>Affiche le programme dans la langue CODE (de, en, es, fr, pt_BR) au lieu de celle du système.</translation>
        </message>
        <message>
            <source>Shows the program's version.</source>
            <translation>Affiche la version du programme.</translation>
        </message>
        <message>
            <source>Slower</source>
            <translation>Plus lent</translation>
        </message>
        <message>
            <source>Solution</source>
            <translation>Solution</translation>
        </message>
        <message>
            <source>Source Voltage vs Time</source>
            <translation>Tension source v(t)</translation>
        </message>
        <message>
            <source>Source amplitude Vmax in volts</source>
            <translation>Amplitude du générateur Vmax en volts</translation>
        </message>
        <message>
            <source>Source f = %1 is not on the frequency axis.</source>
            <translation>La fréquence du générateur f = %1 n'est pas sur l'axe des fréquences.</translation>
        </message>
        <message>
            <source>Source f = %1: %2 dB, phase %3</source>
            <translation>Source f = %1 : %2 dB, phase %3</translation>
        </message>
        <message>
            <source>Source f = %1: I₀ = %2, φ = %3</source>
            <translation>Générateur f = %1 : I₀ = %2, φ = %3</translation>
        </message>
        <message>
            <source>Source frequency f in hertz</source>
            <translation>Fréquence du générateur f en hertz</translation>
        </message>
        <message>
            <source>Source frequency f0 in hertz</source>
            <translation>Fréquence du générateur f0 en hertz</translation>
        </message>
        <message>
            <source>Source kind</source>
            <translation>Type de générateur</translation>
        </message>
        <message>
            <source>Source voltage</source>
            <translation>Tension du générateur</translation>
        </message>
        <message>
            <source>Source voltage or amplitude v0 in volts</source>
            <translation>Tension du générateur ou amplitude v0 en volts</translation>
        </message>
        <message>
            <source>Steady state: K·cos ωt + S·sin ωt, the response at the source's angular frequency ω.</source>
            <translation>Régime permanent : K·cos ωt + S·sin ωt, la réponse à la pulsation ω du générateur.</translation>
        </message>
        <message>
            <source>Superimposes horizontal lines to see projection on vertical axis.</source>
            <translation>Trace des lignes horizontales qui montrent la projection sur l'axe vertical.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Les informations système ne sont pas disponibles pour le moment</translation>
        </message>
        <message>
            <source>Task</source>
            <translation>Consigne</translation>
        </message>
        <message>
            <source>The %1 circuit has no %2.</source>
            <translation>Le circuit %1 n'a pas de %2.</translation>
        </message>
        <message>
            <source>The %1 circuit has no parameter %2.</source>
            <translation>Le circuit %1 n'a pas de paramètre %2.</translation>
        </message>
        <message>
            <source>The LC circuit has no resistance: Q is infinite and the current at resonance has no limit, so there is no curve to draw. The Frequency Response page shows its response.</source>
            <translation>Le circuit LC n'a pas de résistance : Q est infini et le courant à la résonance n'a pas de limite, il n'y a donc pas de courbe à tracer. La page Réponse en fréquence montre sa réponse.</translation>
        </message>
        <message>
            <source>The Number of Cycles must be greater than 0: a number of cycles of 0 or less leaves no time to plot.</source>
            <translation>Le nombre de périodes doit être supérieur à 0 : avec 0 période ou moins, il n'y a aucune durée à tracer.</translation>
        </message>
        <message>
            <source>The Number of Cycles must not be 0.</source>
            <translation>Le nombre de périodes ne doit pas être 0.</translation>
        </message>
        <message>
            <source>The Time is too far outside the plotted interval to draw.</source>
            <translation>Le temps est trop loin de l'intervalle tracé pour être dessiné.</translation>
        </message>
        <message>
            <source>The channel %1 is not a column number from 1.</source>
            <translation>Le canal %1 n'est pas un numéro de colonne à partir de 1.</translation>
        </message>
        <message>
            <source>The circuit %1 is not one of rc, rl, lc, rlc, each alone or with -dc or -ac.</source>
            <translation>Le circuit %1 n'est pas l'un de rc, rl, lc, rlc, seul ou suivi de -dc ou -ac.</translation>
        </message>
        <message>
            <source>The circuit has no such quantity.</source>
            <translation>Le circuit n'a pas cette grandeur.</translation>
        </message>
        <message>
            <source>The circuit's solution has no finite value for these samples; the fit cannot be made.</source>
            <translation>La solution du circuit n'a pas de valeur finie pour ces points ; l'ajustement est impossible.</translation>
        </message>
        <message>
            <source>The data cannot determine %1; fix %2 (--fix NAME=VALUE) to determine the others.</source>
            <translation>Les données ne peuvent pas déterminer %1 ; fixez %2 (--fix NOM=VALEUR) pour déterminer les autres.</translation>
        </message>
        <message>
            <source>The energy in the capacitor W_C, in the inductor W_L, the heat in the resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3</source>
            <translation>L’énergie dans le condensateur W_C, dans la bobine W_L, la chaleur dans la résistance W_R et le travail de la source W_S de t = %1 s à %2 s. %3</translation>
        </message>
        <message>
            <source>The entry "lab.circuit" is %1, but launcher %2 sets circuit %3.</source>
            <translation>L'entrée "lab.circuit" vaut %1, mais le bouton %2 choisit le circuit %3.</translation>
        </message>
        <message>
            <source>The entry "lab.launcher" is %1, which names no circuit button.</source>
            <translation>L'entrée "lab.launcher" vaut %1, qui ne désigne aucun bouton de circuit.</translation>
        </message>
        <message>
            <source>The entry %1 is %2, not one of %3.</source>
            <translation>L'entrée %1 vaut %2, qui n'est pas parmi %3.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; circuit %3 has %4 there.</source>
            <translation>L'entrée %1 vaut %2 ; le circuit %3 a %4 à cette place.</translation>
        </message>
        <message>
            <source>The entry %1 is %2; it must be from %3 to %4.</source>
            <translation>L'entrée %1 vaut %2 ; elle doit être comprise entre %3 et %4.</translation>
        </message>
        <message>
            <source>The entry %1 is not a group of entries in braces.</source>
            <translation>L'entrée %1 n'est pas un groupe d'entrées entre accolades.</translation>
        </message>
        <message>
            <source>The entry %1 is not a list in brackets.</source>
            <translation>L'entrée %1 n'est pas une liste entre crochets.</translation>
        </message>
        <message>
            <source>The entry %1 is not a text in quotes.</source>
            <translation>L'entrée %1 n'est pas un texte entre guillemets.</translation>
        </message>
        <message>
            <source>The entry %1 is not a whole number.</source>
            <translation>L'entrée %1 n'est pas un nombre entier.</translation>
        </message>
        <message>
            <source>The entry %1 is not the base64 text of %2 samples.</source>
            <translation>L'entrée %1 n'est pas le texte base64 de %2 échantillons.</translation>
        </message>
        <message>
            <source>The entry %1 is not true or false.</source>
            <translation>L'entrée %1 ne vaut ni true ni false.</translation>
        </message>
        <message>
            <source>The experiment %1 cannot be opened. %2</source>
            <translation>L'expérience %1 ne peut pas être ouverte. %2</translation>
        </message>
        <message>
            <source>The experiment %1 is for another window.</source>
            <translation>L'expérience %1 est destinée à une autre fenêtre.</translation>
        </message>
        <message>
            <source>The experiment has %1 plots; at most %2 are read.</source>
            <translation>L'expérience contient %1 tracés ; au plus %2 sont lus.</translation>
        </message>
        <message>
            <source>The experiment has an entry %1 that this version does not know.</source>
            <translation>L'expérience contient une entrée %1 que cette version ne connaît pas.</translation>
        </message>
        <message>
            <source>The experiment has no entry %1.</source>
            <translation>L'expérience n'a pas d'entrée %1.</translation>
        </message>
        <message>
            <source>The experiment has no plot whose samples could be written.</source>
            <translation>L'expérience ne contient aucun tracé dont les points puissent être écrits.</translation>
        </message>
        <message>
            <source>The experiment to open.</source>
            <translation>L'expérience à ouvrir.</translation>
        </message>
        <message>
            <source>The experiment was saved by a newer version of Kel Circuit Lab (file format %1; this version reads up to %2).</source>
            <translation>L'expérience a été enregistrée par une version plus récente du Labo circuits Kel (format de fichier %1 ; cette version lit jusqu'à %2).</translation>
        </message>
        <message>
            <source>The experiment's circuit has no energies that could be written.</source>
            <translation>Le circuit de l’expérience n’a pas d’énergies qui puissent être écrites.</translation>
        </message>
        <message>
            <source>The experiment's window has no worksheet.</source>
            <translation>La fenêtre de l'expérience n'a pas de fiche de travail.</translation>
        </message>
        <message>
            <source>The file %1 could not be saved: %2.</source>
            <translation>Le fichier %1 n'a pas pu être enregistré : %2.</translation>
        </message>
        <message>
            <source>The file cannot be read (%1).</source>
            <translation>Le fichier ne peut pas être lu (%1).</translation>
        </message>
        <message>
            <source>The file does not exist.</source>
            <translation>Le fichier n'existe pas.</translation>
        </message>
        <message>
            <source>The file is larger than %1 MB, too large for an experiment.</source>
            <translation>Le fichier dépasse %1 Mo : il est trop gros pour une expérience.</translation>
        </message>
        <message>
            <source>The file is not a Kel Circuit Lab experiment (its "format" is not "kel-experiment").</source>
            <translation>Le fichier n'est pas une expérience du Labo circuits Kel (son "format" n'est pas "kel-experiment").</translation>
        </message>
        <message>
            <source>The file is not an experiment: it holds no JSON object.</source>
            <translation>Le fichier n'est pas une expérience : il ne contient aucun objet JSON.</translation>
        </message>
        <message>
            <source>The file is not an experiment: it is not JSON (%1 at character %2).</source>
            <translation>Le fichier n'est pas une expérience : ce n'est pas du JSON (%1 au caractère %2).</translation>
        </message>
        <message>
            <source>The fit converged.</source>
            <translation>L'ajustement a convergé.</translation>
        </message>
        <message>
            <source>The fit did not converge.</source>
            <translation>L'ajustement n'a pas convergé.</translation>
        </message>
        <message>
            <source>The fit was cancelled.</source>
            <translation>L'ajustement a été annulé.</translation>
        </message>
        <message>
            <source>The fit window from %1 s to %2 s holds no time of the recording.</source>
            <translation>La fenêtre d'ajustement de %1 s à %2 s ne contient aucun temps de l'enregistrement.</translation>
        </message>
        <message>
            <source>The fit window from %1 to %2 is not a span of the recording's times.</source>
            <translation>La fenêtre d'ajustement de %1 à %2 n'est pas un intervalle des temps de l'enregistrement.</translation>
        </message>
        <message>
            <source>The fit window holds too few samples for the free parameters.</source>
            <translation>La fenêtre d'ajustement contient trop peu d'échantillons pour les paramètres libres.</translation>
        </message>
        <message>
            <source>The fixed %1 must be above 0.</source>
            <translation>Le %1 fixé doit être supérieur à 0.</translation>
        </message>
        <message>
            <source>The frequency f must not be 0.</source>
            <translation>La fréquence f ne doit pas être 0.</translation>
        </message>
        <message>
            <source>The half-power band is too narrow to compute: Q is too large. Give R a larger value.</source>
            <translation>La bande passante à mi-puissance est trop étroite pour être calculée : Q est trop grand. Donnez à R une valeur plus grande.</translation>
        </message>
        <message>
            <source>The impedance is 0 (R is 0 and the reactances of L and C cancel), so the current would be infinite. Change R, C, L or f.</source>
            <translation>L'impédance est nulle (R vaut 0 et les réactances de L et de C se compensent) : l'intensité serait infinie. Modifiez R, C, L ou f.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity.</source>
            <translation>Le circuit du labo n'a pas cette grandeur.</translation>
        </message>
        <message>
            <source>The lab's circuit has no such quantity: choose what the column measured.</source>
            <translation>Le circuit du labo n'a pas cette grandeur : choisissez ce que la colonne a mesuré.</translation>
        </message>
        <message>
            <source>The largest voltage amplitude is 0 (VRmax, VCmax, VLmax and Vmax are all 0 or less), so there is nothing to draw. Enter a positive Vmax.</source>
            <translation>La plus grande amplitude de tension est nulle (VRmax, VCmax, VLmax et Vmax valent tous 0 ou moins) : il n'y a rien à tracer. Entrez une valeur de Vmax positive.</translation>
        </message>
        <message>
            <source>The list %1 has %2 columns; a measurement has from 1 to %3.</source>
            <translation>La liste %1 a %2 colonnes ; une mesure en a de 1 à %3.</translation>
        </message>
        <message>
            <source>The list %1 has %2 parameters; circuit %3 has %4.</source>
            <translation>La liste %1 a %2 paramètres ; le circuit %3 en a %4.</translation>
        </message>
        <message>
            <source>The list %1 holds %2 twice.</source>
            <translation>La liste %1 contient %2 deux fois.</translation>
        </message>
        <message>
            <source>The list %1 holds %2, which is not one of %3.</source>
            <translation>La liste %1 contient %2, qui n'est pas parmi %3.</translation>
        </message>
        <message>
            <source>The list %1 names %2, which circuit %3 does not have.</source>
            <translation>La liste %1 nomme %2, que le circuit %3 n'a pas.</translation>
        </message>
        <message>
            <source>The measurement has %1 samples; it needs at least %2.</source>
            <translation>La mesure a %1 échantillons ; il lui en faut au moins %2.</translation>
        </message>
        <message>
            <source>The measurement holds %1 values, the times included; an experiment keeps at most %2.</source>
            <translation>La mesure contient %1 valeurs, temps compris ; une expérience en garde au plus %2.</translation>
        </message>
        <message>
            <source>The measurement is of circuit %1, but the lab's launcher %2 sets circuit %3.</source>
            <translation>La mesure porte sur le circuit %1, mais le bouton %2 du labo choisit le circuit %3.</translation>
        </message>
        <message>
            <source>The option --%1 goes with --fit.</source>
            <translation>L'option --%1 va avec --fit.</translation>
        </message>
        <message>
            <source>The option --%1 is given more than once.</source>
            <translation>L'option --%1 est donnée plusieurs fois.</translation>
        </message>
        <message>
            <source>The option --%1 needs a value.</source>
            <translation>L'option --%1 demande une valeur.</translation>
        </message>
        <message>
            <source>The option --fit needs a value.</source>
            <translation>L'option --fit nécessite une valeur.</translation>
        </message>
        <message>
            <source>The option --fix goes with --fit.</source>
            <translation>L'option --fix va avec --fit.</translation>
        </message>
        <message>
            <source>The option --size sets the size of --export-png; give both.</source>
            <translation>L'option --size fixe la taille de --export-png ; donnez les deux.</translation>
        </message>
        <message>
            <source>The parameter %1 is fixed more than once.</source>
            <translation>Le paramètre %1 est fixé plus d'une fois.</translation>
        </message>
        <message>
            <source>The picture shows the last values that could be drawn.</source>
            <translation>L'image montre les dernières valeurs qui ont pu être tracées.</translation>
        </message>
        <message>
            <source>The plotted interval, Number of Cycles / f, is too long or too short to draw.</source>
            <translation>L'intervalle tracé, Nb de périodes / f, est trop long ou trop court pour être dessiné.</translation>
        </message>
        <message>
            <source>The program evaluates the difference of the two sines as a product with sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance.</source>
            <translation>Le programme calcule la différence des deux sinus comme un produit avec sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact aussi à la résonance et près d'elle.</translation>
        </message>
        <message>
            <source>The quantity %1 is not one of vC, vR, vL, i, q.</source>
            <translation>La grandeur %1 n'est pas l'une de vC, vR, vL, i, q.</translation>
        </message>
        <message>
            <source>The rate nearer zero comes from s1·s2 = ω0², free of the cancellation in −α + √(α² − ω0²).</source>
            <translation>Le taux le plus proche de zéro vient de s1·s2 = ω0², sans la compensation de −α + √(α² − ω0²).</translation>
        </message>
        <message>
            <source>The recording has no channel %1; it has %2.</source>
            <translation>L'enregistrement n'a pas de canal %1 ; il en a %2.</translation>
        </message>
        <message>
            <source>The samples hold a value that is not a finite number.</source>
            <translation>Les points contiennent une valeur qui n'est pas un nombre fini.</translation>
        </message>
        <message>
            <source>The scale %1 has x1 equal to x2.</source>
            <translation>Dans l'échelle %1, x1 est égal à x2.</translation>
        </message>
        <message>
            <source>The size "%1" is not WIDTHxHEIGHT in pixels from 1 to %2, such as 1600x1200.</source>
            <translation>La taille "%1" n'est pas de la forme LARGEURxHAUTEUR en pixels, de 1 à %2, par exemple 1600x1200.</translation>
        </message>
        <message>
            <source>The source amplitude</source>
            <translation>L'amplitude du générateur</translation>
        </message>
        <message>
            <source>The source frequency</source>
            <translation>La fréquence du générateur</translation>
        </message>
        <message>
            <source>The task of the experiment has %1 characters; at most %2 are read.</source>
            <translation>La consigne de l’expérience compte %1 caractères ; au plus %2 sont lus.</translation>
        </message>
        <message>
            <source>The task printed on the worksheet, for the students:</source>
            <translation>La consigne imprimée sur la fiche, pour les élèves :</translation>
        </message>
        <message>
            <source>The text %1 of %2 is not a number.</source>
            <translation>Le texte %1 de %2 n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number in seconds.</source>
            <translation>Le texte de « %1 » n'est pas un nombre en secondes.</translation>
        </message>
        <message>
            <source>The text of %1 is not a number.</source>
            <translation>Le texte de %1 n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The text of Time is not a number.</source>
            <translation>Le texte de Temps n'est pas un nombre.</translation>
        </message>
        <message>
            <source>The time %1 of --%2 is not a number of seconds.</source>
            <translation>Le temps %1 de --%2 n'est pas un nombre de secondes.</translation>
        </message>
        <message>
            <source>The time window from %1 s to %2 s is empty.</source>
            <translation>La fenêtre de temps de %1 s à %2 s est vide.</translation>
        </message>
        <message>
            <source>The time window holds too few samples for the parameters to fit.</source>
            <translation>La fenêtre de temps contient trop peu de points pour les paramètres à ajuster.</translation>
        </message>
        <message>
            <source>The values of R, C, L, Vmax and f give voltages too large to draw.</source>
            <translation>Les valeurs de R, C, L, Vmax et f donnent des tensions trop grandes pour être tracées.</translation>
        </message>
        <message>
            <source>There are no plotted voltages to save. Choose Plot first.</source>
            <translation>Il n'y a aucune tension tracée à enregistrer. Choisissez d'abord Tracer.</translation>
        </message>
        <message>
            <source>There is no curve to save yet.</source>
            <translation>Il n'y a pas encore de courbe à enregistrer.</translation>
        </message>
        <message>
            <source>There is no display to show the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set). To write an experiment's pictures without one: kel FILE.kel --export-png OUT.png</source>
            <translation>Il n'y a pas d'écran pour afficher les fenêtres (ni DISPLAY ni WAYLAND_DISPLAY n'est défini). Pour écrire les images d'une expérience sans écran : kel FILE.kel --export-png OUT.png</translation>
        </message>
        <message>
            <source>There is no plotted data to save. Choose Plot Graphs first.</source>
            <translation>Il n'y a aucune donnée tracée à enregistrer. Choisissez d'abord Tracer les courbes.</translation>
        </message>
        <message>
            <source>There is no translation into "%1"; the program stays in English.</source>
            <translation>Il n'y a pas de traduction en "%1" ; le programme reste en anglais.</translation>
        </message>
        <message>
            <source>These data cannot tell %1 apart; hold %2 at a known value and fit again.</source>
            <translation>Ces données ne peuvent pas distinguer %1 ; fixez %2 à une valeur connue et ajustez de nouveau.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the charge or current at t = %1 s. Nothing was drawn.</source>
            <translation>Ces paramètres ne donnent pas de valeur finie de la charge ou de l'intensité à t = %1 s. Rien n'a été tracé.</translation>
        </message>
        <message>
            <source>These parameters give no finite value of the current or charge at this time.</source>
            <translation>Ces paramètres ne donnent pas de valeur finie de l'intensité ou de la charge à cet instant.</translation>
        </message>
        <message>
            <source>These parameters give the circuit no finite energy over the graph's time range.</source>
            <translation>Avec ces paramètres, le circuit n’a pas d’énergie finie sur l’intervalle de temps du graphique.</translation>
        </message>
        <message>
            <source>These values give frequencies or currents too large or too small to draw.</source>
            <translation>Ces valeurs donnent des fréquences ou des intensités trop grandes ou trop petites pour être tracées.</translation>
        </message>
        <message>
            <source>These values give frequencies too large or too small to draw.</source>
            <translation>Ces valeurs donnent des fréquences trop grandes ou trop petites pour être tracées.</translation>
        </message>
        <message>
            <source>These values give no curve: a divisor is zero or L·C is not positive.</source>
            <translation>Ces valeurs ne donnent aucune courbe : un diviseur est nul ou L·C n'est pas positif.</translation>
        </message>
        <message>
            <source>This is a work in progress. It was created in the wee hours of the morning of March 18, 1998. Use with care! - Revisions were made March 22, 1998.</source>
            <translation>Ceci est un travail en cours. Il a été créé aux petites heures du 18 mars 1998. À utiliser avec prudence ! – Révisé le 22 mars 1998.</translation>
        </message>
        <message>
            <source>This is the current type of voltage</source>
            <translation>Le type de générateur choisi</translation>
        </message>
        <message>
            <source>This is the driving frequency</source>
            <translation>La fréquence de la tension excitatrice</translation>
        </message>
        <message>
            <source>This plot may be inaccurate for large frequencies do to low sampling of the points on the graph</source>
            <translation>Aux fréquences élevées, ce tracé peut être imprécis, car la courbe est calculée en trop peu de points</translation>
        </message>
        <message>
            <source>This program cannot open the experiment's window.</source>
            <translation>Ce programme ne peut pas ouvrir la fenêtre de l'expérience.</translation>
        </message>
        <message>
            <source>Tick at least one parameter to fit.</source>
            <translation>Cochez au moins un paramètre à ajuster.</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>t (s)</translation>
        </message>
        <message>
            <source>Time Bar</source>
            <translation>Curseur</translation>
        </message>
        <message>
            <source>Time bar</source>
            <translation>Curseur du temps</translation>
        </message>
        <message>
            <source>Time from %1 to %2 s, values from %3 to %4.</source>
            <translation>Temps de %1 à %2 s, valeurs de %3 à %4.</translation>
        </message>
        <message>
            <source>Time in seconds</source>
            <translation>Temps en secondes</translation>
        </message>
        <message>
            <source>To study only %1 circuits %2</source>
            <translation>Étudier uniquement les circuits %1 %2</translation>
        </message>
        <message>
            <source>Toggle to set display of this voltage</source>
            <translation>Afficher ou masquer cette tension</translation>
        </message>
        <message>
            <source>Total Voltage across LCR </source>
            <translation>Tension totale sur LCR </translation>
        </message>
        <message>
            <source>Total voltage at the time in volts</source>
            <translation>Tension totale à cet instant, en volts</translation>
        </message>
        <message>
            <source>Try "kel --help" for the options.</source>
            <translation>"kel --help" affiche les options.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in %1.</source>
            <translation>Tapez un point décimal, comme dans %1.</translation>
        </message>
        <message>
            <source>Type a decimal point, as in 1.5.</source>
            <translation>Tapez un point décimal, comme dans 1.5.</translation>
        </message>
        <message>
            <source>Uncertainty</source>
            <translation>Incertitude</translation>
        </message>
        <message>
            <source>Underdamped (α &lt; ω0): the charge oscillates at ωd inside a decaying envelope.</source>
            <translation>Régime pseudo-périodique (α &lt; ω0) : la charge oscille à ωd dans une enveloppe décroissante.</translation>
        </message>
        <message>
            <source>Unit</source>
            <translation>Unité</translation>
        </message>
        <message>
            <source>Upper plot: current amplitude I₀ from %1 to %2.
Lower plot: phase φ from −90° to +90°, grey lines at ±45°.
Click a frequency, or press Left or Right, to set the source to it.</source>
            <translation>En haut : amplitude de l'intensité I₀ de %1 à %2.
En bas : phase φ de −90° à +90°, lignes grises à ±45°.
Cliquez sur une fréquence, ou appuyez sur Gauche ou Droite, pour y régler le générateur.</translation>
        </message>
        <message>
            <source>V total</source>
            <translation>V totale</translation>
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
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Values</source>
            <translation>Valeurs</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Affichage</translation>
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
            <translation>Générateur</translation>
        </message>
        <message>
            <source>Voltage across C (V_C/V)</source>
            <translation>Tension aux bornes de C (V_C/V)</translation>
        </message>
        <message>
            <source>Voltage across Capacitor</source>
            <translation>Tension aux bornes de C</translation>
        </message>
        <message>
            <source>Voltage across Inductor</source>
            <translation>Tension aux bornes de L</translation>
        </message>
        <message>
            <source>Voltage across L (V_L/V)</source>
            <translation>Tension aux bornes de L (V_L/V)</translation>
        </message>
        <message>
            <source>Voltage across R (V_R/V)</source>
            <translation>Tension aux bornes de R (V_R/V)</translation>
        </message>
        <message>
            <source>Voltage across Resistor</source>
            <translation>Tension aux bornes de R</translation>
        </message>
        <message>
            <source>Voltage against time from %1 to %2 s, %3 to %4 V: %5.</source>
            <translation>Tension en fonction du temps de %1 à %2 s, de %3 à %4 V : %5.</translation>
        </message>
        <message>
            <source>Voltage against time plot</source>
            <translation>Courbes de tension en fonction du temps</translation>
        </message>
        <message>
            <source>Voltage against time: empty. Choose Plot to draw.</source>
            <translation>Tension en fonction du temps : vide. Choisissez « Tracer ».</translation>
        </message>
        <message>
            <source>Voltage vs. Time</source>
            <translation>Tensions en fonction du temps</translation>
        </message>
        <message>
            <source>Voltages</source>
            <translation>Tensions</translation>
        </message>
        <message>
            <source>W_C + W_L + W_R − W_S</source>
            <translation>W_C + W_L + W_R − W_S</translation>
        </message>
        <message>
            <source>W_C capacitor</source>
            <translation>W_C condensateur</translation>
        </message>
        <message>
            <source>W_L inductor</source>
            <translation>W_L bobine</translation>
        </message>
        <message>
            <source>W_R heat in resistor</source>
            <translation>W_R chaleur dans la résistance</translation>
        </message>
        <message>
            <source>W_S work of source</source>
            <translation>W_S travail de la source</translation>
        </message>
        <message>
            <source>With --fit: fits the samples from this time on, in seconds.</source>
            <translation>Avec --fit : ajuste les points à partir de ce temps, en secondes.</translation>
        </message>
        <message>
            <source>With --fit: fits the samples up to this time, in seconds.</source>
            <translation>Avec --fit : ajuste les points jusqu'à ce temps, en secondes.</translation>
        </message>
        <message>
            <source>With --fit: holds a parameter (R, L, C, v0, f0, q0, i0) at a value in SI units; every other parameter is fitted.</source>
            <translation>Avec --fit : fixe un paramètre (R, L, C, v0, f0, q0, i0) à une valeur en unités SI ; tous les autres sont ajustés.</translation>
        </message>
        <message>
            <source>With --fit: the circuit, one of rc, rl, lc, rlc, each alone (no source) or with -dc or -ac.</source>
            <translation>Avec --fit : le circuit, l'un de rc, rl, lc, rlc, seul (sans source) ou suivi de -dc ou -ac.</translation>
        </message>
        <message>
            <source>With --fit: the value column to fit, 1 by default.</source>
            <translation>Avec --fit : la colonne de valeurs à ajuster, 1 par défaut.</translation>
        </message>
        <message>
            <source>With --fit: what the channel measured, vC, vR, vL, i or q.</source>
            <translation>Avec --fit : ce que le canal a mesuré, vC, vR, vL, i ou q.</translation>
        </message>
        <message>
            <source>With --fit: writes the result as one JSON object.</source>
            <translation>Avec --fit : écrit le résultat sous la forme d'un objet JSON.</translation>
        </message>
        <message>
            <source>Without resistance the circuit oscillates undamped at ω0.</source>
            <translation>Sans résistance, le circuit oscille sans amortissement à ω0.</translation>
        </message>
        <message>
            <source>Worksheet</source>
            <translation>Fiche de travail</translation>
        </message>
        <message>
            <source>Worksheet Task</source>
            <translation>Consigne de la fiche</translation>
        </message>
        <message>
            <source>Worksheet Task…</source>
            <translation>Consigne de la fiche…</translation>
        </message>
        <message>
            <source>Worksheet: %1</source>
            <translation>Fiche de travail : %1</translation>
        </message>
        <message>
            <source>Writes the energies of the experiment's circuit (t,W_C,W_L,W_R,W_S) as CSV to FILE, without showing a window.</source>
            <translation>Écrit les énergies du circuit de l’expérience (t,W_C,W_L,W_R,W_S) en CSV dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as PNG to FILE, without showing a window.</source>
            <translation>Écrit l'image de l'expérience en PNG dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the experiment's picture as SVG to FILE, without showing a window.</source>
            <translation>Écrit l'image de l'expérience en SVG dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the experiment's worksheet (circuit, parameters, graph, equations and task on one page, the experiment attached) as PDF to FILE, without showing a window.</source>
            <translation>Écrit la fiche de travail de l'expérience (circuit, paramètres, graphique, équations et consigne sur une page, l'expérience jointe) en PDF dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Writes the samples of the experiment's last plot as CSV to FILE, without showing a window.</source>
            <translation>Écrit les points du dernier tracé de l'expérience en CSV dans FILE, sans afficher de fenêtre.</translation>
        </message>
        <message>
            <source>Wrong Values of parameters</source>
            <translation>Valeurs des paramètres incorrectes</translation>
        </message>
        <message>
            <source>Z = 0 Ω: the current would be infinite</source>
            <translation>Z = 0 Ω : l'intensité serait infinie</translation>
        </message>
        <message>
            <source>an entry that is no name</source>
            <translation>une entrée qui n'est pas un nom</translation>
        </message>
        <message>
            <source>asymptotes (dashed)</source>
            <translation>asymptotes (tirets)</translation>
        </message>
        <message>
            <source>at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly</source>
            <translation>à la résonance : ω = ω₀ = %1 rad/s, l'amplitude croît linéairement</translation>
        </message>
        <message>
            <source>band between the corners</source>
            <translation>bande entre les coupures</translation>
        </message>
        <message>
            <source>black</source>
            <translation>noir</translation>
        </message>
        <message>
            <source>blue</source>
            <translation>bleu</translation>
        </message>
        <message>
            <source>capacitor voltage vC = q/C</source>
            <translation>tension du condensateur vC = q/C</translation>
        </message>
        <message>
            <source>charge</source>
            <translation>charge</translation>
        </message>
        <message>
            <source>charge q</source>
            <translation>charge électrique q</translation>
        </message>
        <message>
            <source>critically damped: α = %1 s⁻¹, %2</source>
            <translation>régime critique : α = %1 s⁻¹, %2</translation>
        </message>
        <message>
            <source>current</source>
            <translation>intensité</translation>
        </message>
        <message>
            <source>current amplitude I₀</source>
            <translation>amplitude de l'intensité I₀</translation>
        </message>
        <message>
            <source>current i</source>
            <translation>intensité i</translation>
        </message>
        <message>
            <source>dashed</source>
            <translation>tirets</translation>
        </message>
        <message>
            <source>every amplitude is 0: nothing to draw</source>
            <translation>toutes les amplitudes sont nulles : rien à tracer</translation>
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
            <translation>f ne doit pas être 0</translation>
        </message>
        <message>
            <source>fixed</source>
            <translation>fixé</translation>
        </message>
        <message>
            <source>green</source>
            <translation>vert</translation>
        </message>
        <message>
            <source>half-power band</source>
            <translation>bande passante à mi-puissance</translation>
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
            <translation>tension de la bobine vL</translation>
        </message>
        <message>
            <source>magnitude |H| in dB</source>
            <translation>gain |H| en dB</translation>
        </message>
        <message>
            <source>no EMF source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>no source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>no voltage shown</source>
            <translation>aucune tension affichée</translation>
        </message>
        <message>
            <source>not determined</source>
            <translation>non déterminé</translation>
        </message>
        <message>
            <source>off resonance: ω₀ = %1 rad/s, ω = %2 rad/s</source>
            <translation>hors résonance : ω₀ = %1 rad/s, ω = %2 rad/s</translation>
        </message>
        <message>
            <source>overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</source>
            <translation>régime apériodique : s₁ = %1 s⁻¹, s₂ = %2 s⁻¹</translation>
        </message>
        <message>
            <source>peak of the quantity</source>
            <translation>pic de la grandeur</translation>
        </message>
        <message>
            <source>phase φ</source>
            <translation>phase φ</translation>
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
            <translation>rouge</translation>
        </message>
        <message>
            <source>regime undefined for these values</source>
            <translation>régime indéterminé pour ces valeurs</translation>
        </message>
        <message>
            <source>resistor voltage vR = R·i</source>
            <translation>tension de la résistance vR = R·i</translation>
        </message>
        <message>
            <source>resonance frequency f₀</source>
            <translation>fréquence de résonance f₀</translation>
        </message>
        <message>
            <source>solid</source>
            <translation>trait plein</translation>
        </message>
        <message>
            <source>source frequency f</source>
            <translation>fréquence du générateur f</translation>
        </message>
        <message>
            <source>source voltage</source>
            <translation>tension du générateur</translation>
        </message>
        <message>
            <source>t %1 … %2 s, value %3 … %4</source>
            <translation>t %1 … %2 s, valeur %3 … %4</translation>
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
            <translation>t = %1 s, valeur = %2</translation>
        </message>
        <message>
            <source>t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6</source>
            <translation>t = %1 s : W_C = %2, W_L = %3, W_R = %4, W_S = %5, bilan %6</translation>
        </message>
        <message>
            <source>the measurement's recording holds %1 values, the times included, and an experiment keeps at most %2; open a shorter recording in the measurement window first</source>
            <translation>l'enregistrement de la mesure contient %1 valeurs, temps compris, et une expérience en garde au plus %2 ; ouvrez d'abord un enregistrement plus court dans la fenêtre de mesure</translation>
        </message>
        <message>
            <source>the values are too large to draw</source>
            <translation>les valeurs sont trop grandes pour être tracées</translation>
        </message>
        <message>
            <source>time constant τ = L/R = %1 s</source>
            <translation>constante de temps τ = L/R = %1 s</translation>
        </message>
        <message>
            <source>time constant τ = RC = %1 s</source>
            <translation>constante de temps τ = RC = %1 s</translation>
        </message>
        <message>
            <source>undamped oscillation: ω₀ = %1 rad/s, period T = %2 s</source>
            <translation>oscillations non amorties : ω₀ = %1 rad/s, période T = %2 s</translation>
        </message>
        <message>
            <source>undefined</source>
            <translation>indéfini</translation>
        </message>
        <message>
            <source>underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s</source>
            <translation>régime pseudo-périodique : α = %1 s⁻¹, %2, ωd = %3 rad/s</translation>
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
            <translation>avec un générateur de tension continue</translation>
        </message>
        <message>
            <source>with an alternating emf source</source>
            <translation>avec un générateur de tension alternative</translation>
        </message>
        <message>
            <source>with no emf source</source>
            <translation>sans générateur</translation>
        </message>
        <message>
            <source>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</source>
            <translation>ω = %1 rad/s, Z = %2 Ω, φ = %3°, I0 = %4 A</translation>
        </message>
        <message>
            <source>−3 dB corner (dashed) and level</source>
            <translation>coupure à −3 dB (tirets) et niveau</translation>
        </message>
        <message>
            <source>−3 dB corner(s): %1</source>
            <translation>Coupure(s) à −3 dB : %1</translation>
        </message>
        <message>
            <source>−3 dB corner: none</source>
            <translation>Coupure à −3 dB : aucune</translation>
        </message>
    </context>
</TS>
