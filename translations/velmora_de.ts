<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>velmora::app::CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Writes the diagram (or the chart --plot names) to FILE: .png, .svg or .pdf for the picture, .csv for its data.</source>
        <translation>Schreibt das Diagramm (oder das mit --plot gewählte) in DATEI: .png, .svg oder .pdf für das Bild, .csv für seine Daten.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --export, as its description names it.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>One to four comma-separated pKa values from 0 to 14, not decreasing (default %1); for --solve and the solution&apos;s charts one to six from -5 to 25.</source>
        <translation>Ein bis vier durch Kommas getrennte pKs-Werte von 0 bis 14, nicht abnehmend (Vorgabe %1); für --solve und die Diagramme der Lösung ein bis sechs von -5 bis 25.</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --pka and --names: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>PNG only: whole-number magnification 1 to 8 (default 1).</source>
        <translation>Nur PNG: ganzzahlige Vergrößerung 1 bis 8 (Vorgabe 1).</translation>
    </message>
    <message>
        <source>CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the volume step, 0.001 mL to the end volume (default 0.05), at most a million rows.</source>
        <translation>Nur CSV: pH-Schritt von 0.001 bis 1 (Vorgabe 0.1); bei --plot titration der Volumenschritt, 0.001 mL bis zum Endvolumen (Vorgabe 0.05), höchstens eine Million Zeilen.</translation>
    </message>
    <message>
        <source>Uses an example acid with its literature values and formulas instead of --pka (see --list-presets).</source>
        <translation>Verwendet eine Beispielsäure mit ihren Literaturwerten und Formeln statt --pka (siehe --list-presets).</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --preset: the name of an example acid as --list-presets shows it.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Lists the example acids that --preset takes.</source>
        <translation>Listet die Beispielsäuren auf, die --preset kennt.</translation>
    </message>
    <message>
        <source>Opens the solution window beside the main window (no other option).</source>
        <translation>Öffnet das Lösungsfenster neben dem Hauptfenster (keine weitere Option).</translation>
    </message>
    <message>
        <source>--solution opens the window and takes no other option</source>
        <translation>--solution öffnet das Fenster und nimmt keine weitere Option</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--solve: use either --solve or --export, not both</source>
        <translation>--solve: entweder --solve oder --export, nicht beides</translation>
    </message>
    <message>
        <source>--export: no file name given</source>
        <translation>--export: kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>--export: unknown file type of &apos;%1&apos; (use .png, .svg, .pdf or .csv)</source>
        <translation>--export: unbekannter Dateityp von &apos;%1&apos; (.png, .svg, .pdf oder .csv verwenden)</translation>
    </message>
    <message>
        <source>--scale applies to .png only</source>
        <translation>--scale gilt nur für .png</translation>
    </message>
    <message>
        <source>--step applies to .csv only</source>
        <translation>--step gilt nur für .csv</translation>
    </message>
    <message>
        <source>--preset applies to --plot main only</source>
        <translation>--preset gilt nur für --plot main</translation>
    </message>
    <message>
        <source>--preset: use either --preset or --pka, not both</source>
        <translation>--preset: entweder --preset oder --pka, nicht beides</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht in die Standardausgabe schreiben: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 show as empty boxes</source>
        <translation>Warnung: die Schrift %1 des Diagramms fehlt und keine installierte Schrift springt für sie ein; die Texte in %2 erscheinen als leere Kästchen</translation>
    </message>
    <message>
        <source>cannot open a window: no display (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>kann kein Fenster öffnen: keine Anzeige (DISPLAY oder WAYLAND_DISPLAY setzen oder --export verwenden)</translation>
    </message>
    <message>
        <source>cannot load the window: not found in %1 or %2</source>
        <extracomment>%1 and %2 are the two places the window module is looked for in.</extracomment>
        <translation>kann das Fenster nicht laden: weder in %1 noch in %2 gefunden</translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <translation>kann das Fenster nicht laden: %1</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>kann kein Fenster öffnen: keine Anzeige ließ sich öffnen (DISPLAY oder WAYLAND_DISPLAY setzen oder --export verwenden)</translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened: %1 (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation>kann kein Fenster öffnen: keine Anzeige ließ sich öffnen: %1 (DISPLAY oder WAYLAND_DISPLAY setzen oder --export verwenden)</translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 keep that font&apos;s name and show in whatever font the viewer has</source>
        <translation>Warnung: die Schrift %1 des Diagramms fehlt und keine installierte Schrift springt für sie ein; die Texte in %2 behalten den Namen dieser Schrift und erscheinen in der Schrift, die das Anzeigeprogramm hat</translation>
    </message>
    <message>
        <source>--pka %1 was read as two values, %2 and %3; write decimals with a point: %4</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 wurde als zwei Werte gelesen, %2 und %3; Dezimalzahlen mit Punkt schreiben: %4</translation>
    </message>
    <message>
        <source>--pka %1 was read as %2 values: %3; write decimals with a point</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--pka 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;. Keep the option and the point as they are.</extracomment>
        <translation>--pka %1 wurde als %2 Werte gelesen: %3; Dezimalzahlen mit Punkt schreiben</translation>
    </message>
    <message>
        <source>Lists the acids, bases and salts that --add and --titrant take by their key.</source>
        <translation>Listet die Säuren, Basen und Salze auf, die --add und --titrant über ihren Schlüssel kennen.</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as two values, %4 and %5; write decimals with a point: %6</source>
        <extracomment>The user&apos;s locale writes decimals with a comma: &quot;--add 0.1:9,25: 9,25 was read as two values, 9 and 25; write decimals with a point: 9.25&quot;. Keep the point.</extracomment>
        <translation>%1 %2: %3 wurde als zwei Werte gelesen, %4 und %5; Dezimalzahlen mit Punkt schreiben: %6</translation>
    </message>
    <message>
        <source>%1 %2: %3 was read as %4 values: %5; write decimals with a point</source>
        <extracomment>As &quot;--add 0.1:2,7,12: 2,7,12 was read as 3 values: 2, 7, 12; write decimals with a point&quot;.</extracomment>
        <translation>%1 %2: %3 wurde als %4 Werte gelesen: %5; Dezimalzahlen mit Punkt schreiben</translation>
    </message>
    <message>
        <source>--data applies to --export with --plot measured, gran or derivative only</source>
        <translation>--data gilt nur für --export mit --plot measured, gran oder derivative</translation>
    </message>
    <message>
        <source>%1: use either %1 or --export, not both</source>
        <translation>%1: entweder %1 oder --export, nicht beides</translation>
    </message>
    <message>
        <source>%1: use either %1 or --solve, not both</source>
        <translation>%1: entweder %1 oder --solve, nicht beides</translation>
    </message>
    <message>
        <source>--plot measured needs the measured titration: --data FILE</source>
        <translation>--plot measured braucht die gemessene Titration: --data FILE</translation>
    </message>
    <message>
        <source>Distribution diagrams of mono- to tetraprotic acids; the pH, log-concentration diagram and titration curve of an acid&apos;s solution.
Without options the window opens; with --export a drawing or its data is written to a file, with --solve a solution&apos;s pH and species are printed, with --fit and --endpoints a measured titration is fitted or its end points are found, and no display is needed.</source>
        <translation>Verteilungsdiagramme ein- bis vierprotoniger Säuren; pH-Wert, log-c-Diagramm und Titrationskurve der Lösung einer Säure.
Ohne Optionen öffnet sich das Fenster; mit --export wird eine Zeichnung oder ihre Daten in eine Datei geschrieben, mit --solve werden pH-Wert und Teilchen einer Lösung ausgegeben, mit --fit und --endpoints wird eine gemessene Titration angepasst oder werden ihre Endpunkte bestimmt, und es wird kein Bildschirm gebraucht.</translation>
    </message>
    <message>
        <source>--preset: unknown acid &apos;%1&apos;; the example acids are %2</source>
        <extracomment>%2 lists the names --preset takes: &quot;acetic, oxalic, ...&quot;.</extracomment>
        <translation>--preset: unbekannte Säure &apos;%1&apos;; die Beispielsäuren sind %2</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredOptions</name>
    <message>
        <source>--vary applies to --fit and --plot measured only</source>
        <translation>--vary gilt nur für --fit und --plot measured</translation>
    </message>
    <message>
        <source>Fits the titration of the sample (--pka or --add, with --volume, --titrant, --activity and --temperature as the starting guess) to the measured titration in FILE and prints each fitted value with its standard error, the residual standard deviation s in pH, the points used n and the parameters&apos; correlations.</source>
        <translation>Passt die Titration der Probe (--pka oder --add, mit --volume, --titrant, --activity und --temperature als Startwerten) an die gemessene Titration in DATEI an und gibt jeden angepassten Wert mit seinem Standardfehler aus, dazu die Standardabweichung s der Residuen in pH, die Zahl n der verwendeten Punkte und die Korrelationen der Parameter.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --fit, --endpoints and --data, as their descriptions name it.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Prints the end points of the measured titration in FILE by the first and second derivative and by Gran&apos;s method (with --volume, the sample&apos;s volume).</source>
        <translation>Gibt die Endpunkte der gemessenen Titration in DATEI nach der ersten und zweiten Ableitung und nach Gran aus (mit --volume, dem Volumen der Probe).</translation>
    </message>
    <message>
        <source>With --export and --plot measured (the measured points over the sample&apos;s titration, fitted where --vary is given), gran or derivative: the measured titration in FILE.</source>
        <translation>Mit --export und --plot measured (die Messpunkte über der Titration der Probe, angepasst, wenn --vary angegeben ist), gran oder derivative: die gemessene Titration in DATEI.</translation>
    </message>
    <message>
        <source>The parameters --fit fits: conc, pka1 (pkb1 for a base given by pKb), conc:2 and pka1:2 for the second substance, strong, titrant, offset (default: the sample&apos;s concentration and every pKa within the measured pH range).</source>
        <translation>Die Parameter, die --fit anpasst: conc, pka1 (pkb1 für eine Base mit pKb-Werten), conc:2 und pka1:2 für den zweiten Stoff, strong, titrant, offset (Vorgabe: die Konzentration der Probe und jeder pKa im gemessenen pH-Bereich).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --vary: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>The measured file&apos;s volume and pH columns, by header name or 1-based position (V,pH or 2,3), where its headers do not say.</source>
        <translation>Die Spalten für Volumen und pH-Wert der Messdatei, nach Spaltenname oder Position ab 1 (V,pH oder 2,3), wo die Kopfzeilen es nicht sagen.</translation>
    </message>
    <message>
        <source>%1: use either %1 or %2, not both</source>
        <extracomment>%1 and %2 are two of --fit, --endpoints and --data.</extracomment>
        <translation>%1: entweder %1 oder %2, nicht beides</translation>
    </message>
    <message>
        <source>%1: no file name given</source>
        <translation>%1: kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>--columns applies to --fit, --endpoints and --data only</source>
        <translation>--columns gilt nur für --fit, --endpoints und --data</translation>
    </message>
    <message>
        <source>--columns: &apos;%1&apos; is not V,PH: the volume&apos;s and the pH&apos;s column, each a header name or a position from 1</source>
        <extracomment>Keep V,PH as it is: it stands for the two columns&apos; names or positions.</extracomment>
        <translation>--columns: &apos;%1&apos; ist nicht V,PH: die Spalte des Volumens und die des pH-Werts, jede ein Spaltenname oder eine Position ab 1</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <extracomment>%1 is the option, %2 the parameter&apos;s name as given, %3 what is wrong with it.</extracomment>
        <translation>%1: %2: %3</translation>
    </message>
</context>
<context>
    <name>velmora::app::MeasuredWork</name>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong (&quot;line 7: ...&quot; where on a line).</extracomment>
        <translation>%1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>--endpoints: &apos;%1&apos;: no end point found: the pH has no jump that stands out</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>--endpoints: &apos;%1&apos;: kein Endpunkt gefunden: der pH-Wert hat keinen deutlichen Sprung</translation>
    </message>
</context>
<context>
    <name>velmora::app::OptionValue</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation>%1: &apos;%2&apos; ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A value out of range: %1 is the option, %2 the value given, %3 the problem with it.</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number from %3 to %4</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: &apos;%2&apos; ist keine ganze Zahl von %3 bis %4</translation>
    </message>
    <message>
        <source>%1: at most %2 values, got %3</source>
        <translation>%1: höchstens %2 Werte, erhalten: %3</translation>
    </message>
    <message>
        <source>%1: value %2 is 0, which marks an absent constant</source>
        <extracomment>%2 counts the values from 1.</extracomment>
        <translation>%1: Wert %2 ist 0, was eine fehlende Konstante bedeutet</translation>
    </message>
    <message>
        <source>%1: values must not decrease (%2 after %3)</source>
        <translation>%1: die Werte dürfen nicht abnehmen (%2 nach %3)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not UTF-8 text</source>
        <translation>%1: &apos;%2&apos; ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (%3 to %4)</source>
        <extracomment>%1 is the option, %2 the value given, %3 and %4 the least and the greatest allowed.</extracomment>
        <translation>%1: %2 liegt außerhalb des Bereichs (%3 bis %4)</translation>
    </message>
    <message>
        <source>%1 is only used with --export</source>
        <translation>%1 gilt nur zusammen mit --export</translation>
    </message>
</context>
<context>
    <name>velmora::app::SolutionOptions</name>
    <message>
        <source>KIND</source>
        <extracomment>The value of --plot: which chart.</extracomment>
        <translation>ART</translation>
    </message>
    <message>
        <source>Charge of the fully protonated acid, -6 to 6 (default 0; 1 for NH4+).</source>
        <translation>Ladung der vollständig protonierten Säure, -6 bis 6 (Vorgabe 0; 1 für NH4+).</translation>
    </message>
    <message>
        <source>The species the acid is dissolved as: 0 (the acid itself, default) to n (its salt without protons), with Na+ or Cl- as counter-ions.</source>
        <translation>Die Spezies, als die die Säure gelöst wird: 0 (die Säure selbst, Vorgabe) bis n (ihr Salz ohne Protonen), mit Na+ oder Cl- als Gegenionen.</translation>
    </message>
    <message>
        <source>Strong base added (as NaOH), 0 to 10 mol/L (default 0).</source>
        <translation>Zugesetzte starke Base (als NaOH), 0 bis 10 mol/L (Vorgabe 0).</translation>
    </message>
    <message>
        <source>Strong acid added (as HCl), 0 to 10 mol/L (default 0).</source>
        <translation>Zugesetzte starke Säure (als HCl), 0 bis 10 mol/L (Vorgabe 0).</translation>
    </message>
    <message>
        <source>The species&apos; formulas, n + 1 of them comma-separated, fully protonated first; charges after a caret (H2PO4^-,HPO4^2-).</source>
        <translation>Die Formeln der Spezies, n + 1 durch Kommas getrennt, die vollständig protonierte zuerst; Ladungen nach dem Zeichen ^ (H2PO4^-,HPO4^2-).</translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --names: a comma-separated list.</extracomment>
        <translation>LISTE</translation>
    </message>
    <message>
        <source>A chart&apos;s size in pixels, 320x200 to 4096x4096 (default 960x600).</source>
        <translation>Größe eines Diagramms in Pixeln, 320x200 bis 4096x4096 (Vorgabe 960x600).</translation>
    </message>
    <message>
        <source>%1 is only used with --export or --solve</source>
        <translation>%1 gilt nur zusammen mit --export oder --solve</translation>
    </message>
    <message>
        <source>--solve needs the acid&apos;s constants: --pka LIST</source>
        <translation>--solve braucht die Konstanten der Säure: --pka LISTE</translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not WIDTHxHEIGHT in pixels (such as 960x600)</source>
        <translation>--size: &apos;%1&apos; ist nicht BREITExHÖHE in Pixeln (etwa 960x600)</translation>
    </message>
    <message>
        <source>--size: %1 is out of range (320x200 to 4096x4096)</source>
        <translation>--size: %1 liegt außerhalb des Bereichs (320x200 bis 4096x4096)</translation>
    </message>
    <message>
        <source>--scale: %1x%2 at %3 would be more than %4 pixels a side</source>
        <translation>--scale: %1x%2 mal %3 ergäbe mehr als %4 Pixel je Seite</translation>
    </message>
    <message>
        <source>--to: the default end volume %1 mL %2; give --to</source>
        <extracomment>%1 is the volume, %2 the problem with it (&quot;must be from 0.001 to 100000 mL&quot;).</extracomment>
        <translation>--to: das vorgegebene Endvolumen %1 mL %2; --to angeben</translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to %2 mL, the end volume)</source>
        <translation>--step: %1 liegt außerhalb des Bereichs (0.001 bis %2 mL, das Endvolumen)</translation>
    </message>
    <message>
        <source>--step: a step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <extracomment>%1 is the step in mL, %2 the end volume in mL, %3 the rows it would give, %4 the most.</extracomment>
        <translation>--step: ein Schritt von %1 mL bis %2 mL ergibt %3 Zeilen, mehr als %4; ein größeres --step oder ein kleineres --to angeben</translation>
    </message>
    <message>
        <source>--step: the default step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <translation>--step: der vorgegebene Schritt von %1 mL bis %2 mL ergibt %3 Zeilen, mehr als %4; ein größeres --step oder ein kleineres --to angeben</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with it.</extracomment>
        <translation>%1: &apos;%2&apos; %3</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 the part of it that is wrong, %4 why.</extracomment>
        <translation>%1: &apos;%2&apos;: %3 %4</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3</source>
        <extracomment>%1 is the option, %2 the file&apos;s name, %3 what is wrong with it.</extracomment>
        <translation>%1: &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>--activity: &apos;%1&apos; is not ideal or davies</source>
        <translation>--activity: &apos;%1&apos; ist weder ideal noch davies</translation>
    </message>
    <message>
        <source>%1 applies to the acid of --pka; give the mixture&apos;s substances with --add</source>
        <translation>%1 gilt für die Säure von --pka; die Stoffe einer Mischung gibt man mit --add an</translation>
    </message>
    <message>
        <source>%1: the strong acids or bases in all %2</source>
        <extracomment>%1 is the option, %2 what is wrong with the sum (&quot;must be from 0 to 10 mol/L&quot;).</extracomment>
        <translation>%1: die starken Säuren oder Basen insgesamt: %2</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: the solution %3</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 what is wrong with the solution.</extracomment>
        <translation>%1: &apos;%2&apos;: die Lösung %3</translation>
    </message>
    <message>
        <source>the solution %1</source>
        <translation>die Lösung %1</translation>
    </message>
    <message>
        <source>Adds a substance to the solution, a mixture of up to 8 acid-base systems; repeatable. SUBSTANCE is C:WHAT[:KEY=VALUE]...: C in mol/L (0 to 10), WHAT a key of --list-substances (acetic, sodium-acetate, HCl), pKa values (4.76 or 2.148,7.198,12.319) or pkb=LIST for a base; for typed values charge=Z and as=K.</source>
        <translation>Gibt der Lösung einen Stoff zu, einer Mischung aus bis zu 8 Säure-Base-Systemen; wiederholbar. SUBSTANCE ist C:WHAT[:KEY=VALUE]...: C in mol/L (0 bis 10), WHAT ein Schlüssel aus --list-substances (acetic, sodium-acetate, HCl), pKa-Werte (4.76 oder 2.148,7.198,12.319) oder pkb=LIST für eine Base; für eingegebene Werte charge=Z und as=K.</translation>
    </message>
    <message>
        <source>A mixture&apos;s activities: ideal (default) or davies.</source>
        <translation>Die Aktivitäten einer Mischung: ideal (Vorgabe) oder davies.</translation>
    </message>
    <message>
        <source>MODEL</source>
        <extracomment>The value of --activity: ideal or davies.</extracomment>
        <translation>MODELL</translation>
    </message>
    <message>
        <source>A mixture&apos;s temperature, 0 to 100 °C (default 25).</source>
        <translation>Die Temperatur einer Mischung, 0 bis 100 °C (Vorgabe 25).</translation>
    </message>
    <message>
        <source>Reads a mixture (and its titration) from a recipe file (JSON); --add, --activity, --temperature, --volume, --titrant and --to add to it or change it.</source>
        <translation>Liest eine Mischung (und ihre Titration) aus einer Rezeptdatei (JSON); --add, --activity, --temperature, --volume, --titrant und --to ergänzen oder ändern sie.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --recipe, as its description names it.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Prints the pH of a solution of the acid (--pka) and every species&apos; concentration and share; takes --charge, --conc, --as, --base, --acid and --names. For a mixture (--add, --recipe, --activity, --temperature) every species of every substance, with activities and the ionic strength with --activity davies.</source>
        <translation>Gibt den pH-Wert einer Lösung der Säure (--pka) und Konzentration und Anteil jeder Spezies aus; nimmt --charge, --conc, --as, --base, --acid und --names. Für eine Mischung (--add, --recipe, --activity, --temperature) jede Spezies jedes Stoffs, mit --activity davies samt Aktivitäten und Ionenstärke.</translation>
    </message>
    <message>
        <source>--titrant: &apos;%1&apos; is not base:CT or acid:CT, nor a substance as --add takes it (C:WHAT, such as 0.1:ammonia)</source>
        <extracomment>Keep base:CT, acid:CT and C:WHAT as they are.</extracomment>
        <translation>--titrant: &apos;%1&apos; ist weder base:CT noch acid:CT noch ein Stoff, wie --add ihn nimmt (C:WHAT, etwa 0.1:ammonia)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos;: %3 is not a number; write decimals with a point: %4</source>
        <extracomment>%1 is the option, %2 the substance as given, %3 a number written with a decimal comma, %4 the same with a point. Keep the point.</extracomment>
        <translation>%1: &apos;%2&apos;: %3 ist keine Zahl; Dezimalzahlen mit Punkt schreiben: %4</translation>
    </message>
    <message>
        <source>%1 applies to --plot titration or derivative only</source>
        <translation>%1 gilt nur für --plot titration oder derivative</translation>
    </message>
    <message>
        <source>Total concentration of the acid, 1e-10 to 10 mol/L (default 0.1). Given, the fractions, logc and buffer charts mark the solution&apos;s pH.</source>
        <translation>Gesamtkonzentration der Säure, 1e-10 bis 10 mol/L (Vorgabe 0.1). Ist sie angegeben, markieren die Diagramme fractions, logc und buffer den pH-Wert der Lösung.</translation>
    </message>
    <message>
        <source>Titration and derivative: the sample&apos;s volume, 0.1 to 1000 mL (default 25).</source>
        <translation>Titration und Ableitung: das Volumen der Probelösung, 0.1 bis 1000 mL (Vorgabe 25).</translation>
    </message>
    <message>
        <source>Titration and derivative: base:CT or acid:CT, a strong base or acid of CT mol/L, 1e-6 to 10 (default base:0.1), or any substance as --add takes it (0.1:ammonia).</source>
        <translation>Titration und Ableitung: base:CT oder acid:CT, eine starke Base oder Säure mit CT mol/L, 1e-6 bis 10 (Vorgabe base:0.1), oder ein beliebiger Stoff, wie --add ihn nimmt (0.1:ammonia).</translation>
    </message>
    <message>
        <source>Titration and derivative: the last volume added, 0.001 to 100000 mL (default 20 % past the last equivalence point the titrant reaches).</source>
        <translation>Titration und Ableitung: das zuletzt zugegebene Volumen, 0.001 bis 100000 mL (Vorgabe 20 % über den letzten Äquivalenzpunkt hinaus, den die Maßlösung erreicht).</translation>
    </message>
    <message>
        <source>%1 applies to --plot fractions, logc, titration, buffer or derivative only</source>
        <translation>%1 gilt nur für --plot fractions, logc, titration, buffer oder derivative</translation>
    </message>
    <message>
        <source>%1 needs the sample the data were measured on: --pka LIST, --add SUBSTANCE or --recipe FILE</source>
        <extracomment>%1 is --fit or --data. Keep the options as they are.</extracomment>
        <translation>%1 braucht die Probe, an der gemessen wurde: --pka LIST, --add SUBSTANCE oder --recipe FILE</translation>
    </message>
    <message>
        <source>%1 does not apply to --endpoints (only --volume, --columns)</source>
        <extracomment>%1 is an option that --endpoints does not take.</extracomment>
        <translation>%1 gilt nicht für --endpoints (nur --volume, --columns)</translation>
    </message>
    <message>
        <source>With --export: main (the distribution diagram, default), fractions, logc, titration, buffer (the buffer capacity against pH), derivative (the titration curve&apos;s slope dpH/dV), gran (Gran&apos;s plot) or measured (the measured points of --data over the titration). These take --pka with 1 to 6 values, the solution&apos;s options and --size.</source>
        <translation>Mit --export: main (das Verteilungsdiagramm, Vorgabe), fractions, logc, titration, buffer (die Pufferkapazität in Abhängigkeit vom pH-Wert), derivative (die Steigung dpH/dV der Titrationskurve), gran (der Gran-Plot) oder measured (die Messpunkte aus --data über der Titration). Diese nehmen --pka mit 1 bis 6 Werten, die Optionen der Lösung und --size.</translation>
    </message>
    <message>
        <source>--plot: unknown kind &apos;%1&apos; (use main, fractions, logc, titration, buffer, derivative, gran or measured)</source>
        <translation>--plot: unbekannte Art &apos;%1&apos; (main, fractions, logc, titration, buffer, derivative, gran oder measured verwenden)</translation>
    </message>
</context>
<context>
    <name>velmora::diagram::Encode</name>
    <message>
        <source>a drawing is not a table</source>
        <translation>eine Zeichnung ist keine Tabelle</translation>
    </message>
    <message>
        <source>the drawing could not be encoded</source>
        <translation>die Zeichnung ließ sich nicht kodieren</translation>
    </message>
</context>
<context>
    <name>velmora::io::AtomicFile</name>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation>es ist ein FIFO, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation>es ist ein zeichenorientiertes Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation>es ist ein blockorientiertes Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation>es ist eine Spezialdatei, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 (the link leads to %2)</source>
        <translation>%1 (die Verknüpfung führt zu %2)</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
</context>
<context>
    <name>velmora::io::MeasurementFile</name>
    <message>
        <source>it is larger than %1 MiB, too large for a measured titration</source>
        <extracomment>%1 is the largest size of a measured-titration file the program reads, in MiB.</extracomment>
        <translation>sie ist größer als %1 MiB, zu groß für eine gemessene Titration</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>A problem on one line of a measured-titration file: %1 the line (from 1), %2 the problem.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::io::RecipeFile</name>
    <message>
        <source>line %1, column %2</source>
        <extracomment>Where in a recipe file a problem lies: %1 the line, %2 the column, both from 1.</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: unknown field</source>
        <extracomment>A field of a recipe file that the program does not know.</extracomment>
        <translation>%1: unbekanntes Feld</translation>
    </message>
    <message>
        <source>%1: must be an object with &quot;conc&quot; and &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1: muss ein Objekt mit &quot;conc&quot; und &quot;substance&quot;, &quot;pka&quot; oder &quot;pkb&quot; sein</translation>
    </message>
    <message>
        <source>%1: needs &quot;conc&quot;, the concentration in mol/L</source>
        <translation>%1: braucht &quot;conc&quot;, die Konzentration in mol/L</translation>
    </message>
    <message>
        <source>must be a number from 0 to 10 mol/L</source>
        <translation>muss eine Zahl von 0 bis 10 mol/L sein</translation>
    </message>
    <message>
        <source>%1: needs one of &quot;substance&quot;, &quot;pka&quot; or &quot;pkb&quot;</source>
        <translation>%1: braucht genau eines von &quot;substance&quot;, &quot;pka&quot; oder &quot;pkb&quot;</translation>
    </message>
    <message>
        <source>must be a list of 1 to 6 numbers from -5 to 25</source>
        <translation>muss eine Liste von 1 bis 6 Zahlen von -5 bis 25 sein</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>muss eine ganze Zahl von -6 bis 6 sein</translation>
    </message>
    <message>
        <source>%1: does not apply to a base given by &quot;pkb&quot;, which is dissolved as the base</source>
        <translation>%1: gilt nicht für eine mit &quot;pkb&quot; angegebene Base, die als Base selbst gelöst wird</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <extracomment>%1 is the number of constants, the last species.</extracomment>
        <translation>muss eine Spezies-Nummer von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>%1: applies to &quot;pka&quot; and &quot;pkb&quot; only, not to a substance of the library</source>
        <translation>%1: gilt nur für &quot;pka&quot; und &quot;pkb&quot;, nicht für einen Stoff der Bibliothek</translation>
    </message>
    <message>
        <source>%1: must be the key of a substance of the library</source>
        <translation>%1: muss der Schlüssel eines Stoffs der Bibliothek sein</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: muss ein Objekt sein</translation>
    </message>
    <message>
        <source>must be a number from 0.1 to 1000 mL</source>
        <translation>muss eine Zahl von 0.1 bis 1000 mL sein</translation>
    </message>
    <message>
        <source>must be a number from 0.001 to 100000 mL</source>
        <translation>muss eine Zahl von 0.001 bis 100000 mL sein</translation>
    </message>
    <message>
        <source>must be a number from 0 to 100 °C</source>
        <translation>muss eine Zahl von 0 bis 100 °C sein</translation>
    </message>
    <message>
        <source>activity: must be &quot;ideal&quot; or &quot;davies&quot;</source>
        <translation>activity: muss &quot;ideal&quot; oder &quot;davies&quot; sein</translation>
    </message>
    <message>
        <source>substances: must be a list of substances</source>
        <translation>substances: muss eine Liste von Stoffen sein</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <extracomment>%1 is where: &quot;line 2, column 5&quot;.</extracomment>
        <translation>%1: kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a recipe: the file must hold one JSON object</source>
        <translation>kein Rezept: die Datei muss ein JSON-Objekt enthalten</translation>
    </message>
    <message>
        <source>not a recipe: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>kein Rezept: &quot;format&quot; muss &quot;%1&quot; sein</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <extracomment>%1 is the version given, %2 the one the program reads.</extracomment>
        <translation>Version %1 kann dieses Programm nicht lesen (%2)</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB, too large for a recipe</source>
        <translation>sie ist größer als %1 KiB, zu groß für ein Rezept</translation>
    </message>
    <message>
        <source>must be a list of %1 formulas, one for each species</source>
        <extracomment>%1 is how many species the constants give.</extracomment>
        <translation>muss eine Liste von %1 Formeln sein, eine für jede Spezies</translation>
    </message>
    <message>
        <source>%1: applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>%1: gilt nur für eine schwache Säure oder Base; ein Salz oder eine starke Säure oder Base wird gelöst, wie es ist</translation>
    </message>
</context>
<context>
    <name>velmora::io::SettingsFile</name>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>velmora::model::Preset</name>
    <message>
        <source>Acetic acid</source>
        <extracomment>The example acids&apos; names and notes show in the plot&apos;s menu and readout and in the help of --list-presets. Keep formulas as written.</extracomment>
        <translation>Essigsäure</translation>
    </message>
    <message>
        <source>Oxalic acid</source>
        <translation>Oxalsäure</translation>
    </message>
    <message>
        <source>Carbonic acid</source>
        <translation>Kohlensäure</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved CO2 as H2CO3; the true H2CO3 value is about 3.6.</source>
        <translation>Der erste Wert ist der scheinbare, der gelöstes CO2 als H2CO3 zählt; der wahre Wert von H2CO3 liegt bei etwa 3.6.</translation>
    </message>
    <message>
        <source>Glycine</source>
        <translation>Glycin</translation>
    </message>
    <message>
        <source>HGly is the zwitterion H3N+ CH2 COO-, with no net charge.</source>
        <translation>HGly ist das Zwitterion H3N+ CH2 COO-, ohne Gesamtladung.</translation>
    </message>
    <message>
        <source>Phosphoric acid</source>
        <translation>Phosphorsäure</translation>
    </message>
    <message>
        <source>Citric acid</source>
        <translation>Citronensäure</translation>
    </message>
    <message>
        <source>Arsenic acid</source>
        <translation>Arsensäure</translation>
    </message>
    <message>
        <source>EDTA</source>
        <translation>EDTA</translation>
    </message>
    <message>
        <source>The two further constants of H6Y2+ (about 0.0 and 1.5) are not shown.</source>
        <translation>Die beiden weiteren Konstanten von H6Y2+ (etwa 0.0 und 1.5) sind nicht dargestellt.</translation>
    </message>
    <message>
        <source>The second value is the source&apos;s 4.266, rounded.</source>
        <translation>Der zweite Wert ist der gerundete Wert 4.266 der Quelle.</translation>
    </message>
    <message>
        <source>Sulfurous acid</source>
        <translation>Schweflige Säure</translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved SO2 as H2SO3; the source gives 1.857 and 7.172.</source>
        <translation>Der erste Wert ist der scheinbare, der gelöstes SO2 als H2SO3 zählt; die Quelle gibt 1.857 und 7.172 an.</translation>
    </message>
</context>
<context>
    <name>velmora::model::Problem</name>
    <message>
        <source>needs 1 to 6 values</source>
        <extracomment>The problems of the model are shown beside an input field (&quot;must be from 1e-10 to 10 mol/L&quot;) and on the command line after the option and its value (&quot;--conc: 20 must be from 1e-10 to 10 mol/L&quot;); keep the numbers as they are written.</extracomment>
        <translation>braucht 1 bis 6 Werte</translation>
    </message>
    <message>
        <source>values must be from -5 to 25</source>
        <translation>die Werte müssen zwischen -5 und 25 liegen</translation>
    </message>
    <message>
        <source>values must be in non-decreasing order</source>
        <translation>die Werte dürfen nicht abnehmen</translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation>muss eine ganze Zahl von -6 bis 6 sein</translation>
    </message>
    <message>
        <source>needs %1 names, one per species</source>
        <translation>braucht %1 Namen, einen je Spezies</translation>
    </message>
    <message>
        <source>each name needs 1 to 49 characters</source>
        <translation>jeder Name braucht 1 bis 49 Zeichen</translation>
    </message>
    <message>
        <source>a name may not start or end with a blank</source>
        <translation>ein Name darf nicht mit einem Leerzeichen beginnen oder enden</translation>
    </message>
    <message>
        <source>a name may not contain commas or control characters</source>
        <translation>ein Name darf keine Kommas oder Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>must be from 1e-10 to 10 mol/L</source>
        <translation>muss zwischen 1e-10 und 10 mol/L liegen</translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <translation>muss eine Spezies-Nummer von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>must be from 0 to 10 mol/L</source>
        <translation>muss zwischen 0 und 10 mol/L liegen</translation>
    </message>
    <message>
        <source>must be from 0.1 to 1000 mL</source>
        <translation>muss zwischen 0.1 und 1000 mL liegen</translation>
    </message>
    <message>
        <source>must be from 1e-6 to 10 mol/L</source>
        <translation>muss zwischen 1e-6 und 10 mol/L liegen</translation>
    </message>
    <message>
        <source>must be from 0.001 to 100000 mL</source>
        <translation>muss zwischen 0.001 und 100000 mL liegen</translation>
    </message>
    <message>
        <source>a name must be UTF-8 text</source>
        <translation>ein Name muss UTF-8-Text sein</translation>
    </message>
    <message>
        <source>must be from 0 to 100 °C</source>
        <translation>muss zwischen 0 und 100 °C liegen</translation>
    </message>
    <message>
        <source>needs no enthalpy or one from -500 to 500 kJ/mol per constant</source>
        <translation>braucht eine Enthalpie von -500 bis 500 kJ/mol je Konstante oder keine</translation>
    </message>
    <message>
        <source>may hold at most %1 acid-base systems</source>
        <translation>darf höchstens %1 Säure-Base-Systeme enthalten</translation>
    </message>
    <message>
        <source>ion charges must be from 1 to 3</source>
        <translation>die Ionenladungen müssen zwischen 1 und 3 liegen</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>is not a substance of the library</source>
        <translation>ist kein Stoff der Bibliothek</translation>
    </message>
    <message>
        <source>is not C:WHAT[:KEY=VALUE]... (such as 0.1:acetic or 0.1:4.76)</source>
        <translation>hat nicht die Form C:WHAT[:KEY=VALUE]... (etwa 0.1:acetic oder 0.1:4.76)</translation>
    </message>
    <message>
        <source>is no option of a substance (use charge=Z or as=K)</source>
        <translation>ist keine Angabe zu einem Stoff (charge=Z oder as=K verwenden)</translation>
    </message>
    <message>
        <source>applies to constants typed as numbers only, not to a substance of the library</source>
        <translation>gilt nur für als Zahlen eingegebene Konstanten, nicht für einen Stoff der Bibliothek</translation>
    </message>
    <message>
        <source>is given more than once</source>
        <translation>ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>does not apply to a base given by pKb, which is dissolved as the base</source>
        <translation>gilt nicht für eine mit pKb angegebene Base, die als Base selbst gelöst wird</translation>
    </message>
    <message>
        <source>is not a whole number</source>
        <translation>ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>is not in the library</source>
        <translation>ist nicht in der Bibliothek</translation>
    </message>
    <message>
        <source>the strong acids add up to more than %1 mol/L</source>
        <translation>die starken Säuren ergeben zusammen mehr als %1 mol/L</translation>
    </message>
    <message>
        <source>the strong bases add up to more than %1 mol/L</source>
        <translation>die starken Basen ergeben zusammen mehr als %1 mol/L</translation>
    </message>
    <message>
        <source>applies to a weak acid or base only; a salt or a strong acid or base is dissolved as it is</source>
        <translation>gilt nur für eine schwache Säure oder Base; ein Salz oder eine starke Säure oder Base wird gelöst, wie es ist</translation>
    </message>
    <message>
        <source>is not a solution the model takes</source>
        <translation>ist keine Lösung, die das Programm berechnen kann</translation>
    </message>
    <message>
        <source>has its first weak acid or base at less than 1e-10 mol/L, too little for the window&apos;s acid</source>
        <translation>enthält seine erste schwache Säure oder Base mit weniger als 1e-10 mol/L, zu wenig für die Säure des Fensters</translation>
    </message>
    <message>
        <source>has its first weak acid or base with constants the window&apos;s acid does not take</source>
        <translation>enthält seine erste schwache Säure oder Base mit Konstanten, die die Säure des Fensters nicht annimmt</translation>
    </message>
    <message>
        <source>has no weak acid or base for the window&apos;s acid</source>
        <translation>enthält keine schwache Säure oder Base für die Säure des Fensters</translation>
    </message>
    <message>
        <source>lists more than %1 substances besides the acid</source>
        <translation>enthält neben der Säure mehr als %1 Stoffe</translation>
    </message>
    <message>
        <source>titrates with constants typed as numbers; the window titrates with a substance of the library</source>
        <translation>titriert mit als Zahlen eingegebenen Konstanten; das Fenster titriert mit einem Stoff der Bibliothek</translation>
    </message>
    <message>
        <source>titrates with a concentration outside 1e-6 to 10 mol/L</source>
        <translation>titriert mit einer Konzentration außerhalb von 1e-6 bis 10 mol/L</translation>
    </message>
    <message>
        <source>titrates with a substance the window does not titrate with</source>
        <translation>titriert mit einem Stoff, mit dem das Fenster nicht titriert</translation>
    </message>
    <message>
        <source>must give off from 0 to 6 protons completely</source>
        <translation>muss 0 bis 6 Protonen vollständig abgeben</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the volume</source>
        <translation>keine Spalte heißt &apos;%1&apos; für das Volumen</translation>
    </message>
    <message>
        <source>no column is named &apos;%1&apos; for the pH</source>
        <translation>keine Spalte heißt &apos;%1&apos; für den pH-Wert</translation>
    </message>
    <message>
        <source>there is no row of numbers in it</source>
        <translation>sie enthält keine Zeile mit Zahlen</translation>
    </message>
    <message>
        <source>it has more than %1 rows of data, too many</source>
        <translation>sie hat mehr als %1 Datenzeilen, zu viele</translation>
    </message>
    <message>
        <source>there is no column %1: the table has %2</source>
        <translation>es gibt keine Spalte %1: die Tabelle hat %2</translation>
    </message>
    <message>
        <source>has %1 columns, no column %2</source>
        <translation>hat %1 Spalten, keine Spalte %2</translation>
    </message>
    <message>
        <source>the volume &apos;%1&apos; is not a number</source>
        <translation>das Volumen &apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>the pH &apos;%1&apos; is not a number</source>
        <translation>der pH-Wert &apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>the volume %1 mL is negative</source>
        <translation>das Volumen %1 mL ist negativ</translation>
    </message>
    <message>
        <source>the volume %1 mL is smaller than the one before (%2 mL)</source>
        <translation>das Volumen %1 mL ist kleiner als das vorige (%2 mL)</translation>
    </message>
    <message>
        <source>the pH %1 lies outside %2 to %3</source>
        <translation>der pH-Wert %1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>it has %1 different volumes, fewer than the %2 a titration needs</source>
        <translation>sie hat %1 verschiedene Volumina, weniger als die %2, die eine Titration braucht</translation>
    </message>
    <message>
        <source>the sample has no strong acid or base</source>
        <translation>die Probe enthält keine starke Säure oder Base</translation>
    </message>
    <message>
        <source>not a parameter (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</source>
        <translation>kein Parameter (conc, pka1, pkb1, conc:2, pka1:2, strong, titrant, offset)</translation>
    </message>
    <message>
        <source>the sample has no weak acid or base number %1</source>
        <translation>die Probe hat keine schwache Säure oder Base Nummer %1</translation>
    </message>
    <message>
        <source>the base is given by its pKb values: write pkb</source>
        <translation>die Base ist mit ihren pKb-Werten angegeben: pkb schreiben</translation>
    </message>
    <message>
        <source>the acid is given by its pKa values: write pka</source>
        <translation>die Säure ist mit ihren pKa-Werten angegeben: pka schreiben</translation>
    </message>
    <message>
        <source>the weak acid or base has %1 constants</source>
        <translation>die schwache Säure oder Base hat %1 Konstanten</translation>
    </message>
    <message>
        <source>an empty parameter name</source>
        <translation>ein leerer Parametername</translation>
    </message>
    <message>
        <source>named twice</source>
        <translation>zweimal genannt</translation>
    </message>
    <message>
        <source>names no parameter to fit</source>
        <translation>nennt keinen anzupassenden Parameter</translation>
    </message>
    <message>
        <source>needs more measured points (%1) than parameters to fit (%2)</source>
        <translation>braucht mehr Messpunkte (%1) als anzupassende Parameter (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be fitted here</source>
        <translation>%1 kann hier nicht angepasst werden</translation>
    </message>
    <message>
        <source>%1: the pKa %2 lies outside the measured pH range %3 to %4, so the data do not determine it</source>
        <translation>%1: der pKa %2 liegt außerhalb des gemessenen pH-Bereichs %3 bis %4, die Daten bestimmen ihn also nicht</translation>
    </message>
    <message>
        <source>%1 needs a starting value above 0</source>
        <translation>%1 braucht einen Startwert über 0</translation>
    </message>
    <message>
        <source>%1 is not determined by the measured data</source>
        <translation>%1 ist durch die Messdaten nicht bestimmt</translation>
    </message>
    <message>
        <source>the fit did not converge; try other starting values</source>
        <translation>die Anpassung konvergierte nicht; andere Startwerte versuchen</translation>
    </message>
    <message>
        <source>the fit is of another solution than the one shown now</source>
        <translation>die Anpassung gehört zu einer anderen Lösung als der jetzt gezeigten</translation>
    </message>
</context>
<context>
    <name>velmora::model::Source</name>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of inorganic acids and bases; 25 °C, I = 0</source>
        <extracomment>Where an acid&apos;s constants come from, shown in the example acids&apos; menu and readout, in --list-presets and --list-substances. Keep book titles, authors and journal names as they are published; &quot;ed.&quot; is the edition, &quot;I&quot; the ionic strength.</extracomment>
        <translation>CRC Handbook of Chemistry and Physics, 97. Aufl., Dissoziationskonstanten anorganischer Säuren und Basen; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., dissociation constants of organic acids and bases; 25 °C, I = 0</source>
        <translation>CRC Handbook of Chemistry and Physics, 97. Aufl., Dissoziationskonstanten organischer Säuren und Basen; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, 97th ed., properties of amino acids; 25 °C</source>
        <translation>CRC Handbook of Chemistry and Physics, 97. Aufl., Eigenschaften der Aminosäuren; 25 °C</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0</source>
        <translation>Harris, Quantitative Chemical Analysis, 9. Aufl., Anhang G; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Harris, Quantitative Chemical Analysis, 9th ed., appendix G; 25 °C, I = 0.1 M</source>
        <translation>Harris, Quantitative Chemical Analysis, 9. Aufl., Anhang G; 25 °C, I = 0,1 M</translation>
    </message>
    <message>
        <source>Skoog, West, Holler and Crouch, Fundamentals of Analytical Chemistry, 9th ed., appendix 3; 25 °C, I = 0</source>
        <translation>Skoog, West, Holler und Crouch, Fundamentals of Analytical Chemistry, 9. Aufl., Anhang 3; 25 °C, I = 0</translation>
    </message>
    <message>
        <source>Goldberg, Kishore and Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0</source>
        <translation>Goldberg, Kishore und Lennen, J. Phys. Chem. Ref. Data 31, 231 (2002); 25 °C, I = 0</translation>
    </message>
</context>
<context>
    <name>velmora::model::Substance</name>
    <message>
        <source>Formic acid</source>
        <extracomment>A substance&apos;s name in the library of --list-substances.</extracomment>
        <translation>Ameisensäure</translation>
    </message>
    <message>
        <source>Propanoic acid</source>
        <translation>Propansäure</translation>
    </message>
    <message>
        <source>Chloroacetic acid</source>
        <translation>Chloressigsäure</translation>
    </message>
    <message>
        <source>Benzoic acid</source>
        <translation>Benzoesäure</translation>
    </message>
    <message>
        <source>Lactic acid</source>
        <translation>Milchsäure</translation>
    </message>
    <message>
        <source>Phenol</source>
        <translation>Phenol</translation>
    </message>
    <message>
        <source>Hydrofluoric acid</source>
        <translation>Flusssäure</translation>
    </message>
    <message>
        <source>Hydrocyanic acid</source>
        <translation>Blausäure</translation>
    </message>
    <message>
        <source>Nitrous acid</source>
        <translation>Salpetrige Säure</translation>
    </message>
    <message>
        <source>Hypochlorous acid</source>
        <translation>Hypochlorige Säure</translation>
    </message>
    <message>
        <source>Boric acid</source>
        <translation>Borsäure</translation>
    </message>
    <message>
        <source>Ammonia</source>
        <translation>Ammoniak</translation>
    </message>
    <message>
        <source>Methylamine</source>
        <translation>Methylamin</translation>
    </message>
    <message>
        <source>Dimethylamine</source>
        <translation>Dimethylamin</translation>
    </message>
    <message>
        <source>Trimethylamine</source>
        <translation>Trimethylamin</translation>
    </message>
    <message>
        <source>Ethylamine</source>
        <translation>Ethylamin</translation>
    </message>
    <message>
        <source>Ethanolamine</source>
        <translation>Ethanolamin</translation>
    </message>
    <message>
        <source>Pyridine</source>
        <translation>Pyridin</translation>
    </message>
    <message>
        <source>Aniline</source>
        <translation>Anilin</translation>
    </message>
    <message>
        <source>Hydrazine</source>
        <translation>Hydrazin</translation>
    </message>
    <message>
        <source>Hydroxylamine</source>
        <translation>Hydroxylamin</translation>
    </message>
    <message>
        <source>Imidazole</source>
        <translation>Imidazol</translation>
    </message>
    <message>
        <source>Tris</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>MES</source>
        <translation>MES</translation>
    </message>
    <message>
        <source>MOPS</source>
        <translation>MOPS</translation>
    </message>
    <message>
        <source>HEPES</source>
        <translation>HEPES</translation>
    </message>
    <message>
        <source>Hydrogen sulfate</source>
        <translation>Hydrogensulfat</translation>
    </message>
    <message>
        <source>Malonic acid</source>
        <translation>Malonsäure</translation>
    </message>
    <message>
        <source>Succinic acid</source>
        <translation>Bernsteinsäure</translation>
    </message>
    <message>
        <source>Tartaric acid</source>
        <translation>Weinsäure</translation>
    </message>
    <message>
        <source>Maleic acid</source>
        <translation>Maleinsäure</translation>
    </message>
    <message>
        <source>Fumaric acid</source>
        <translation>Fumarsäure</translation>
    </message>
    <message>
        <source>Phthalic acid</source>
        <translation>Phthalsäure</translation>
    </message>
    <message>
        <source>Ascorbic acid</source>
        <translation>Ascorbinsäure</translation>
    </message>
    <message>
        <source>Salicylic acid</source>
        <translation>Salicylsäure</translation>
    </message>
    <message>
        <source>Alanine</source>
        <translation>Alanin</translation>
    </message>
    <message>
        <source>Histidine</source>
        <translation>Histidin</translation>
    </message>
    <message>
        <source>Aspartic acid</source>
        <translation>Asparaginsäure</translation>
    </message>
    <message>
        <source>Glutamic acid</source>
        <translation>Glutaminsäure</translation>
    </message>
    <message>
        <source>Lysine</source>
        <translation>Lysin</translation>
    </message>
    <message>
        <source>Cysteine</source>
        <translation>Cystein</translation>
    </message>
    <message>
        <source>Hydrochloric acid</source>
        <translation>Salzsäure</translation>
    </message>
    <message>
        <source>Hydrobromic acid</source>
        <translation>Bromwasserstoffsäure</translation>
    </message>
    <message>
        <source>Hydroiodic acid</source>
        <translation>Iodwasserstoffsäure</translation>
    </message>
    <message>
        <source>Nitric acid</source>
        <translation>Salpetersäure</translation>
    </message>
    <message>
        <source>Perchloric acid</source>
        <translation>Perchlorsäure</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Schwefelsäure</translation>
    </message>
    <message>
        <source>Sodium hydroxide</source>
        <translation>Natriumhydroxid</translation>
    </message>
    <message>
        <source>Potassium hydroxide</source>
        <translation>Kaliumhydroxid</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Natriumchlorid</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Kaliumchlorid</translation>
    </message>
    <message>
        <source>Potassium nitrate</source>
        <translation>Kaliumnitrat</translation>
    </message>
    <message>
        <source>Sodium formate</source>
        <translation>Natriumformiat</translation>
    </message>
    <message>
        <source>Sodium acetate</source>
        <translation>Natriumacetat</translation>
    </message>
    <message>
        <source>Sodium benzoate</source>
        <translation>Natriumbenzoat</translation>
    </message>
    <message>
        <source>Sodium fluoride</source>
        <translation>Natriumfluorid</translation>
    </message>
    <message>
        <source>Sodium cyanide</source>
        <translation>Natriumcyanid</translation>
    </message>
    <message>
        <source>Sodium nitrite</source>
        <translation>Natriumnitrit</translation>
    </message>
    <message>
        <source>Sodium hypochlorite</source>
        <translation>Natriumhypochlorit</translation>
    </message>
    <message>
        <source>Ammonium chloride</source>
        <translation>Ammoniumchlorid</translation>
    </message>
    <message>
        <source>Tris hydrochloride</source>
        <translation>Tris-Hydrochlorid</translation>
    </message>
    <message>
        <source>Sodium hydrogen sulfate</source>
        <translation>Natriumhydrogensulfat</translation>
    </message>
    <message>
        <source>Sodium sulfate</source>
        <translation>Natriumsulfat</translation>
    </message>
    <message>
        <source>Sodium oxalate</source>
        <translation>Natriumoxalat</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Natriumhydrogencarbonat</translation>
    </message>
    <message>
        <source>Sodium carbonate</source>
        <translation>Natriumcarbonat</translation>
    </message>
    <message>
        <source>Potassium hydrogen phthalate</source>
        <translation>Kaliumhydrogenphthalat</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate</source>
        <translation>Natriumdihydrogenphosphat</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Kaliumdihydrogenphosphat</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate</source>
        <translation>Dinatriumhydrogenphosphat</translation>
    </message>
    <message>
        <source>Dipotassium hydrogen phosphate</source>
        <translation>Dikaliumhydrogenphosphat</translation>
    </message>
    <message>
        <source>Trisodium phosphate</source>
        <translation>Trinatriumphosphat</translation>
    </message>
    <message>
        <source>Trisodium citrate</source>
        <translation>Trinatriumcitrat</translation>
    </message>
    <message>
        <source>Disodium EDTA</source>
        <translation>Dinatrium-EDTA</translation>
    </message>
    <message>
        <source>strong acid</source>
        <translation>starke Säure</translation>
    </message>
    <message>
        <source>strong base</source>
        <translation>starke Base</translation>
    </message>
    <message>
        <source>no acid or base</source>
        <translation>weder Säure noch Base</translation>
    </message>
    <message>
        <source>Hydrogen sulfide</source>
        <translation>Schwefelwasserstoff</translation>
    </message>
</context>
<context>
    <name>velmora::model::Summary</name>
    <message>
        <source>Monoprotic acid.</source>
        <extracomment>The spoken description of the diagram starts with the acid&apos;s kind.</extracomment>
        <translation>Einprotonige Säure.</translation>
    </message>
    <message>
        <source>Diprotic acid.</source>
        <translation>Zweiprotonige Säure.</translation>
    </message>
    <message>
        <source>Triprotic acid.</source>
        <translation>Dreiprotonige Säure.</translation>
    </message>
    <message>
        <source>Tetraprotic acid.</source>
        <translation>Vierprotonige Säure.</translation>
    </message>
    <message>
        <source>%1 predominates over the whole range from pH 0 to 14.</source>
        <extracomment>%1 is a species&apos; formula.</extracomment>
        <translation>%1 überwiegt im ganzen Bereich von pH 0 bis 14.</translation>
    </message>
    <message>
        <source>%1 predominates below pH %2</source>
        <extracomment>The first species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>%1 überwiegt unterhalb von pH %2</translation>
    </message>
    <message>
        <source>, %1 above %2.</source>
        <extracomment>The last species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation>, %1 oberhalb von %2.</translation>
    </message>
    <message>
        <source>, %1 from %2 to %3</source>
        <extracomment>A species in the middle of the spoken description: %1 its formula, %2 and %3 pH.</extracomment>
        <translation>, %1 von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>velmora::resources::Picture</name>
    <message>
        <source>Theory</source>
        <extracomment>The word on the Theory button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The word on the About button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The word on the Exit button&apos;s face; it has room for about eight letters.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The word on the About window&apos;s Cancel button, which closes the window; it has room for about six letters.</extracomment>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>velmora::ui::About</name>
    <message>
        <source>a new e-mail to the author</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>eine neue E-Mail an den Autor</translation>
    </message>
    <message>
        <source>the web page of further chemistry programs</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>die Webseite weiterer Chemieprogramme</translation>
    </message>
    <message>
        <source> About</source>
        <translation> Über</translation>
    </message>
    <message>
        <source>The program calculates the concentration fractions of polyprotic acids species as functions of pH</source>
        <translation>Das Programm berechnet die Anteile der Spezies mehrprotoniger Säuren in Abhängigkeit vom pH-Wert</translation>
    </message>
    <message>
        <source>Acknowledgement</source>
        <translation>Danksagung</translation>
    </message>
    <message>
        <source>Our thanks go to the chemistry teachers and students who tried the first drafts in their lessons, told us where the diagrams were hard to read and helped us make them clearer.</source>
        <translation>Wir danken den Chemielehrkräften und ihren Klassen, die die ersten Entwürfe im Unterricht erprobt, uns schwer lesbare Stellen gezeigt und geholfen haben, die Diagramme klarer zu machen.</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Find more chemical programs here:</source>
        <translation>Weitere Chemieprogramme finden Sie hier:</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ChartTexts</name>
    <message>
        <source>fraction α</source>
        <extracomment>The fractions chart&apos;s y axis: α is the share of the acid&apos;s total concentration that a species has (0 to 1), not a mole fraction.</extracomment>
        <translation>Anteil α</translation>
    </message>
    <message>
        <source>log c / (mol/L)</source>
        <extracomment>The log-c chart&apos;s y axis: the decimal logarithm of each concentration in mol/L; the axis itself is linear in log c.</extracomment>
        <translation>log c / (mol/L)</translation>
    </message>
    <message>
        <source>V / mL</source>
        <extracomment>The titration chart&apos;s x axis: the added volume of titrant in millilitres.</extracomment>
        <translation>V / mL</translation>
    </message>
    <message>
        <source>pH</source>
        <extracomment>The pH axis of the charts.</extracomment>
        <translation>pH</translation>
    </message>
    <message>
        <source>pH %1</source>
        <extracomment>A pH marked in a chart and heading the readout; %1 is the pH with two decimals.</extracomment>
        <translation>pH %1</translation>
    </message>
    <message>
        <source>V %1 mL</source>
        <extracomment>The titration readout&apos;s heading; %1 is the added volume with two decimals.</extracomment>
        <translation>V %1 mL</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A species&apos; share in the readout; %1 is the number of percent with one decimal.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Species fractions vs pH</source>
        <extracomment>The title of the fractions chart&apos;s file or print job.</extracomment>
        <translation>Speziesanteile in Abhängigkeit vom pH-Wert</translation>
    </message>
    <message>
        <source>Log concentrations vs pH</source>
        <extracomment>The title of the log-c chart&apos;s file or print job: log c of each species plotted against the pH (a linear axis of log c, not a logarithmic axis).</extracomment>
        <translation>log-c-pH-Diagramm</translation>
    </message>
    <message>
        <source>Titration curve</source>
        <extracomment>The title of the titration chart&apos;s file or print job.</extracomment>
        <translation>Titrationskurve</translation>
    </message>
    <message>
        <source>equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: a filled dot.</extracomment>
        <translation>Äquivalenzpunkt</translation>
    </message>
    <message>
        <source>half-equivalence point</source>
        <extracomment>The key of a titration&apos;s marks: an open dot.</extracomment>
        <translation>Halbäquivalenzpunkt</translation>
    </message>
    <message>
        <source>%1 mL · pH %2</source>
        <extracomment>An equivalence point&apos;s label: %1 the volume in mL, %2 the pH (&quot;25.00 mL · pH 8.73&quot;).</extracomment>
        <translation>%1 mL · pH %2</translation>
    </message>
    <message>
        <source>pH = %1 = %2</source>
        <extracomment>A half-equivalence point whose pH equals its pKa at the digits shown: %1 the pKa&apos;s name (&quot;pKa&quot;, &quot;pKa2&quot;), %2 the value (&quot;pH = pKa = 4.76&quot;).</extracomment>
        <translation>pH = %1 = %2</translation>
    </message>
    <message>
        <source>pH %1 ≈ %2</source>
        <extracomment>A half-equivalence point whose pH is close to its pKa: %1 the pH, %2 the pKa&apos;s name (&quot;pH 4.79 ≈ pKa&quot;).</extracomment>
        <translation>pH %1 ≈ %2</translation>
    </message>
    <message>
        <source>pKa</source>
        <extracomment>The acid constant of an acid with one constant.</extracomment>
        <translation>pKs</translation>
    </message>
    <message>
        <source>pKa%1</source>
        <extracomment>The acid constant number %1 of an acid with several (&quot;pKa2&quot;).</extracomment>
        <translation>pKs%1</translation>
    </message>
    <message>
        <source>β / (mol/(L·pH))</source>
        <extracomment>The buffer-capacity chart&apos;s y axis: β, the moles of strong base per litre that raise the pH by one unit, in mol/(L·pH).</extracomment>
        <translation>β / (mol/(L·pH))</translation>
    </message>
    <message>
        <source>dpH/dV / (pH/mL)</source>
        <extracomment>The derivative chart&apos;s y axis: the slope of the titration curve, pH units per millilitre of titrant added.</extracomment>
        <translation>dpH/dV / (pH/mL)</translation>
    </message>
    <message>
        <source>β</source>
        <extracomment>The buffer capacity&apos;s symbol in the readout.</extracomment>
        <translation>β</translation>
    </message>
    <message>
        <source>dpH/dV</source>
        <extracomment>The titration curve&apos;s slope in the readout.</extracomment>
        <translation>dpH/dV</translation>
    </message>
    <message>
        <source>Buffer capacity vs pH</source>
        <extracomment>The title of the buffer-capacity chart&apos;s file or print job.</extracomment>
        <translation>Pufferkapazität in Abhängigkeit vom pH-Wert</translation>
    </message>
    <message>
        <source>First derivative of the titration curve</source>
        <extracomment>The title of the derivative chart&apos;s file or print job: dpH/dV against the added volume.</extracomment>
        <translation>Erste Ableitung der Titrationskurve</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The acid constant of one system of a mixture: %1 its name (&quot;pKa2&quot;), %2 the system&apos;s acid (&quot;H₃PO₄&quot;), as in &quot;pH = pKa2 (H₃PO₄) = 7.20&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <extracomment>The title of the file or print job of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Gran-Diagramm</translation>
    </message>
    <message>
        <source>ΔpH</source>
        <extracomment>The axis of the strip of residuals under a measured titration: measured minus model pH.</extracomment>
        <translation>ΔpH</translation>
    </message>
    <message>
        <source>Gran function (scaled)</source>
        <extracomment>The y axis of Gran&apos;s plot: Gran&apos;s function, scaled to a largest value of 1.</extracomment>
        <translation>Gran-Funktion (skaliert)</translation>
    </message>
    <message>
        <source>before</source>
        <extracomment>Gran&apos;s line before the end point, in the readout.</extracomment>
        <translation>davor</translation>
    </message>
    <message>
        <source>after</source>
        <extracomment>Gran&apos;s line of the excess titrant after the end point, in the readout.</extracomment>
        <translation>danach</translation>
    </message>
    <message>
        <source>dpH/dV max %1 mL</source>
        <extracomment>An end point at the largest slope of the measured points; %1 its volume in mL.</extracomment>
        <translation>dpH/dV max. %1&#xa0;mL</translation>
    </message>
    <message>
        <source>d²pH/dV² = 0 %1 mL</source>
        <extracomment>An end point where the second derivative of the measured points is zero; %1 its volume.</extracomment>
        <translation>d²pH/dV² = 0 %1&#xa0;mL</translation>
    </message>
    <message>
        <source>Gran %1 mL</source>
        <extracomment>An end point by Gran&apos;s method; %1 its volume in mL.</extracomment>
        <translation>Gran %1&#xa0;mL</translation>
    </message>
</context>
<context>
    <name>velmora::ui::Desktop</name>
    <message>
        <source>The desktop could not open %1.

%2</source>
        <extracomment>%1 names what was to be opened (&quot;the theory document&quot;), %2 is its address.</extracomment>
        <translation>Der Desktop konnte %1 nicht öffnen.

%2</translation>
    </message>
    <message>
        <source>The opener xdg-open stopped unexpectedly.</source>
        <translation>Das Öffnungsprogramm xdg-open wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The file does not exist (xdg-open ended with status 2).</source>
        <translation>Die Datei existiert nicht (xdg-open endete mit Status 2).</translation>
    </message>
    <message>
        <source>No program to open it was found; is one installed? (xdg-open ended with status 3.)</source>
        <translation>Es wurde kein passendes Programm zum Öffnen gefunden; ist eines installiert? (xdg-open endete mit Status 3.)</translation>
    </message>
    <message>
        <source>The program for it failed (xdg-open ended with status 4).</source>
        <translation>Das zuständige Programm meldete einen Fehler (xdg-open endete mit Status 4).</translation>
    </message>
    <message>
        <source>The opener xdg-open ended with status %1.</source>
        <translation>Das Öffnungsprogramm xdg-open endete mit Status %1.</translation>
    </message>
    <message>
        <source>The opener xdg-open, which hands documents to their programs, is not installed.</source>
        <translation>Das Öffnungsprogramm xdg-open, das Dokumente an ihre Programme übergibt, ist nicht installiert.</translation>
    </message>
    <message>
        <source>The opener xdg-open could not be started: %1</source>
        <translation>Das Öffnungsprogramm xdg-open ließ sich nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::DiagramCommands</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save diagram</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The diagram was not saved to %1.

The file name must end in .png, .svg or .pdf, which decides the kind of file.</source>
        <translation>Das Diagramm wurde nicht in %1 gespeichert.

Der Dateiname muss auf .png, .svg oder .pdf enden; die Endung bestimmt die Art der Datei.</translation>
    </message>
    <message>
        <source>The diagram could not be saved to %1.

%2</source>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Export data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>The data could not be exported to %1.

%2</source>
        <translation>Die Daten konnten nicht nach %1 exportiert werden.

%2</translation>
    </message>
    <message>
        <source>Print diagram</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>The diagram could not be printed on %1.

The printer or its file could not be opened.</source>
        <translation>Das Diagramm konnte nicht auf %1 gedruckt werden.

Der Drucker oder seine Datei ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>the printer</source>
        <extracomment>Takes the place of %1 in &quot;The diagram could not be printed on %1.&quot; when the printer has no name.</extracomment>
        <translation>dem Drucker</translation>
    </message>
    <message>
        <source>The diagram could not be copied.

%1</source>
        <translation>Das Diagramm konnte nicht kopiert werden.

%1</translation>
    </message>
    <message>
        <source>The diagram could not be printed.

%1</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.

%1</translation>
    </message>
    <message>
        <source>&amp;Copy diagram</source>
        <translation>Diagramm &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save diagram…</source>
        <translation>Diagramm &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Export data…</source>
        <translation>Daten &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::ExampleAcids</name>
    <message>
        <source>Example acids</source>
        <translation>Beispielsäuren</translation>
    </message>
    <message>
        <source>pKa %1 (25 °C)</source>
        <extracomment>The readout&apos;s line of an example acid&apos;s values: &quot;pKa 2.15, 7.20, 12.35&quot;.</extracomment>
        <translation>pKs %1 (25 °C)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MainWindow</name>
    <message>
        <source>Theory</source>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Type of acid</source>
        <translation>Säuretyp</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Monoprotic acid HA</source>
        <translation>Einprotonige Säure HA</translation>
    </message>
    <message>
        <source>Diprotic acid H2A</source>
        <translation>Zweiprotonige Säure H2A</translation>
    </message>
    <message>
        <source>Triprotic acid H3A</source>
        <translation>Dreiprotonige Säure H3A</translation>
    </message>
    <message>
        <source>Tetraprotic acid H4A</source>
        <translation>Vierprotonige Säure H4A</translation>
    </message>
    <message>
        <source>pKa %1</source>
        <translation>pKs %1</translation>
    </message>
    <message>
        <source>Value of pKa %1</source>
        <translation>Wert von pKs %1</translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation>Regler %1</translation>
    </message>
    <message>
        <source>Distribution diagram</source>
        <translation>Verteilungsdiagramm</translation>
    </message>
    <message>
        <source> Value of pKa(%1) </source>
        <extracomment>The tooltips of the main window begin and end with a blank, as drawn.</extracomment>
        <translation> Wert von pKs(%1) </translation>
    </message>
    <message>
        <source> Theory of polyprotic acids from Wikipedia </source>
        <translation> Theorie mehrprotoniger Säuren aus der Wikipedia </translation>
    </message>
    <message>
        <source> About this program </source>
        <translation> Über dieses Programm </translation>
    </message>
    <message>
        <source> Do you really want to exit? </source>
        <translation> Wollen Sie das Programm wirklich beenden? </translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredCommands</name>
    <message>
        <source>Open &amp;measured titration…</source>
        <translation>&amp;Messdaten öffnen…</translation>
    </message>
    <message>
        <source>&amp;Paste measured titration</source>
        <translation>Messdaten einfü&amp;gen</translation>
    </message>
    <message>
        <source>C&amp;lear measured data</source>
        <translation>Messdaten en&amp;tfernen</translation>
    </message>
    <message>
        <source>Copy &amp;fit results</source>
        <translation>Anpassungsergebnisse &amp;kopieren</translation>
    </message>
    <message>
        <source>Open measured titration</source>
        <translation>Messdaten öffnen</translation>
    </message>
    <message>
        <source>Measured titrations (*.csv *.txt *.tsv *.dat);;All files (*)</source>
        <extracomment>The file dialog&apos;s filter of measured titrations.</extracomment>
        <translation>Gemessene Titrationen (*.csv *.txt *.tsv *.dat);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredData</name>
    <message>
        <source>pasted data</source>
        <extracomment>Where the measured points shown came from when they were pasted or dropped as text.</extracomment>
        <translation>eingefügte Daten</translation>
    </message>
    <message>
        <source>%1 was not taken: %2</source>
        <extracomment>%1 is the file (or &quot;pasted data&quot;), %2 why it is no measured titration.</extracomment>
        <translation>%1 wurde nicht übernommen: %2</translation>
    </message>
    <message>
        <source>There are no measured points to fit.</source>
        <translation>Es gibt keine Messpunkte zum Anpassen.</translation>
    </message>
    <message>
        <source>Choose at least one value to fit.</source>
        <translation>Wählen Sie mindestens einen Wert zum Anpassen.</translation>
    </message>
    <message>
        <source>%1 cannot be fitted: %2</source>
        <extracomment>%1 is the parameter as the command line names it (pka2), %2 why.</extracomment>
        <translation>%1 lässt sich nicht anpassen: %2</translation>
    </message>
    <message>
        <source>No fit: %1</source>
        <translation>Keine Anpassung: %1</translation>
    </message>
    <message>
        <source>There is no fit to use.</source>
        <translation>Es gibt keine Anpassung, die übernommen werden kann.</translation>
    </message>
    <message>
        <source>The fitted values cannot be used: %1</source>
        <extracomment>%1 says why the fitted values do not fit the solution&apos;s fields.</extracomment>
        <translation>Die angepassten Werte lassen sich nicht übernehmen: %1</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MeasuredPanel</name>
    <message>
        <source>Derivative</source>
        <extracomment>An end point found at the largest slope of the measured points.</extracomment>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>Second derivative</source>
        <extracomment>An end point found where the second derivative of the measured points is zero.</extracomment>
        <translation>Zweite Ableitung</translation>
    </message>
    <message>
        <source>Gran</source>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran, excess titrant</source>
        <extracomment>Gran&apos;s method applied to the points after the end point.</extracomment>
        <translation>Gran, überschüssige Maßlösung</translation>
    </message>
    <message>
        <source>Strong acid or base</source>
        <translation>Starke Säure oder Base</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <source>Titrant</source>
        <extracomment>The titrant&apos;s concentration as a value to fit.</extracomment>
        <translation>Maßlösung</translation>
    </message>
    <message>
        <source>pH offset</source>
        <extracomment>The electrode&apos;s calibration error added to every pH, as a value to fit.</extracomment>
        <translation>pH-Versatz</translation>
    </message>
    <message>
        <source>%1, system %2</source>
        <extracomment>%1 is a value to fit, %2 the number of the weak system (the acid is 1).</extracomment>
        <translation>%1, System %2</translation>
    </message>
    <message>
        <source>Measured titration</source>
        <translation>Gemessene Titration</translation>
    </message>
    <message>
        <source>Why the measured data were not taken</source>
        <translation>Warum die Messdaten nicht übernommen wurden</translation>
    </message>
    <message>
        <source>End points</source>
        <translation>Endpunkte</translation>
    </message>
    <message>
        <source>Clear measured data</source>
        <translation>Messdaten entfernen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>Values to fit, starting from the solution&apos;s:</source>
        <translation>Anzupassende Werte, ausgehend von denen der Lösung:</translation>
    </message>
    <message>
        <source>Use fitted values</source>
        <translation>Angepasste Werte übernehmen</translation>
    </message>
    <message>
        <source>Fit the solution to the measured points</source>
        <translation>Die Lösung an die Messpunkte anpassen</translation>
    </message>
    <message>
        <source>Why there is no fit</source>
        <translation>Warum es keine Anpassung gibt</translation>
    </message>
    <message>
        <source>Fitted values</source>
        <translation>Angepasste Werte</translation>
    </message>
    <message>
        <source>Copy fit results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <extracomment>%1 is the file&apos;s name (or &quot;pasted data&quot;), %2 the number of points.</extracomment>
        <translation>%1: %2 Punkte</translation>
    </message>
    <message>
        <source>No measured data. Open a file from the File menu, drop one on the window or paste cells on the titration drawing (Ctrl+V).</source>
        <translation>Keine Messdaten. Öffnen Sie eine Datei über das Menü Datei, ziehen Sie eine auf das Fenster oder fügen Sie Zellen auf dem Titrationsdiagramm ein (Strg+V).</translation>
    </message>
    <message>
        <source>%1 mL</source>
        <translation>%1&#xa0;mL</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An end point&apos;s method and its volumes (one per jump).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No end point found.</source>
        <translation>Kein Endpunkt gefunden.</translation>
    </message>
    <message>
        <source>Fit %1</source>
        <extracomment>A box that chooses a value to fit; %1 is its name (&quot;pKa 2&quot;).</extracomment>
        <translation>%1 anpassen</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1&#xa0;mol/L</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Std. error</source>
        <translation>Standardfehler</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>mol/L</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>s = %1 pH, n = %2</source>
        <extracomment>The residual standard deviation of the fit in pH, and the number of points used.</extracomment>
        <translation>s = %1 pH, n = %2</translation>
    </message>
    <message>
        <source>r(%1, %2) = %3</source>
        <extracomment>The correlation coefficient of two fitted values, as r(conc, pka1) = −0.42.</extracomment>
        <translation>r(%1, %2) = %3</translation>
    </message>
</context>
<context>
    <name>velmora::ui::MixtureText</name>
    <message>
        <source>Solution at %1 °C: pH %2</source>
        <extracomment>The line under the drawings for a solution of several substances: %1 its temperature in °C, %2 its pH.</extracomment>
        <translation>Lösung bei %1 °C: pH %2</translation>
    </message>
    <message>
        <source>I = %1 mol/L</source>
        <extracomment>The ionic strength of the solution, in mol/L.</extracomment>
        <translation>I = %1 mol/L</translation>
    </message>
    <message>
        <source>the Davies equation is not reliable above I = %1 mol/L</source>
        <translation>die Davies-Gleichung ist oberhalb von I = %1 mol/L nicht verlässlich</translation>
    </message>
    <message>
        <source>constants at 25 °C: %1</source>
        <extracomment>A note under the drawings: the constants of these systems are not known at other temperatures and are used at their 25 °C values.</extracomment>
        <translation>Konstanten bei 25 °C: %1</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · no equivalence point</source>
        <extracomment>The titration line of a solution of several substances when the titrant reaches no equivalence point: &quot;25 mL of the solution with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1 mL der Lösung mit %2 mol/L %3 · kein Äquivalenzpunkt</translation>
    </message>
    <message>
        <source>%1 mL of the solution with %2 mol/L %3 · equivalence at %4</source>
        <extracomment>The titration line of a solution of several substances: %1 the sample&apos;s volume, %2 the titrant&apos;s concentration, %3 the titrant, %4 the equivalence points.</extracomment>
        <translation>%1 mL der Lösung mit %2 mol/L %3 · Äquivalenz bei %4</translation>
    </message>
</context>
<context>
    <name>velmora::ui::RecipeCommands</name>
    <message>
        <source>Recipes (*.json);;All files (*)</source>
        <extracomment>The file dialogs&apos; filter of recipe files.</extracomment>
        <translation>Rezepte (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Open recipe…</source>
        <translation>Rezept ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save &amp;recipe…</source>
        <translation>Rezept &amp;speichern…</translation>
    </message>
    <message>
        <source>Open &amp;again</source>
        <extracomment>File → open the recipe used last again; %1 is its file name.</extracomment>
        <translation>&amp;Erneut öffnen</translation>
    </message>
    <message>
        <source>Open &amp;again: %1</source>
        <translation>&amp;Erneut öffnen: %1</translation>
    </message>
    <message>
        <source>the recipe %1</source>
        <extracomment>Why a recipe is not opened: it holds what the solution window cannot show.</extracomment>
        <translation>das Rezept %1</translation>
    </message>
    <message>
        <source>The recipe %1 was not opened.

%2</source>
        <extracomment>%1 is the file, %2 why it was not opened.</extracomment>
        <translation>Das Rezept %1 wurde nicht geöffnet.

%2</translation>
    </message>
    <message>
        <source>The recipe could not be saved to %1.

%2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Das Rezept konnte nicht unter %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Open recipe</source>
        <translation>Rezept öffnen</translation>
    </message>
    <message>
        <source>Save recipe</source>
        <translation>Rezept speichern</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionCompanion</name>
    <message>
        <source>Solution…</source>
        <translation>Lösung…</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionPanel</name>
    <message>
        <source>Follow the main window</source>
        <translation>Dem Hauptfenster folgen</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Säure</translation>
    </message>
    <message>
        <source>pKa %1</source>
        <extracomment>What the drawings show of the acid while its fields are not fine: &quot;pKa 2,15; 7,20&quot;.</extracomment>
        <translation>pKs %1</translation>
    </message>
    <message>
        <source>pKa &amp;%1</source>
        <translation>pKs &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Add constant</source>
        <translation>Konstante hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add a constant</source>
        <translation>Eine Konstante hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove constant</source>
        <translation>Konstante &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove the last constant</source>
        <translation>Die letzte Konstante entfernen</translation>
    </message>
    <message>
        <source>Charge of the fully protonated form</source>
        <translation>Ladung der vollständig protonierten Form</translation>
    </message>
    <message>
        <source>Char&amp;ge of the fully protonated form</source>
        <translation>&amp;Ladung der vollständig protonierten Form</translation>
    </message>
    <message>
        <source>Formulas of the species:</source>
        <translation>Formeln der Spezies:</translation>
    </message>
    <message>
        <source>Formula of species %1</source>
        <translation>Formel der Spezies %1</translation>
    </message>
    <message>
        <source>Caret notation: HPO4^2-, NH4^+</source>
        <translation>Ladung nach dem Zeichen ^: HPO4^2-, NH4^+</translation>
    </message>
    <message>
        <source>Generic &amp;names</source>
        <translation>Allgemeine &amp;Namen</translation>
    </message>
    <message>
        <source>Generic names</source>
        <translation>Allgemeine Namen</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Concentration in mol/L</source>
        <translation>Konzentration in mol/L</translation>
    </message>
    <message>
        <source>Conc&amp;entration (mol/L)</source>
        <translation>&amp;Konzentration (mol/L)</translation>
    </message>
    <message>
        <source>Concentration on a logarithmic scale</source>
        <translation>Konzentration auf logarithmischer Skala</translation>
    </message>
    <message>
        <source>10⁻⁶ to 1 mol/L</source>
        <translation>10⁻⁶ bis 1 mol/L</translation>
    </message>
    <message>
        <source>Species dissolved</source>
        <translation>Gelöste Spezies</translation>
    </message>
    <message>
        <source>&amp;Dissolved</source>
        <translation>&amp;Gelöst</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Titration</translation>
    </message>
    <message>
        <source>strong base (NaOH)</source>
        <translation>starke Base (NaOH)</translation>
    </message>
    <message>
        <source>strong acid (HCl)</source>
        <translation>starke Säure (HCl)</translation>
    </message>
    <message>
        <source>Titrant</source>
        <translation>Maßlösung</translation>
    </message>
    <message>
        <source>&amp;Titrant</source>
        <translation>&amp;Maßlösung</translation>
    </message>
    <message>
        <source>Titrant concentration in mol/L</source>
        <translation>Konzentration der Maßlösung in mol/L</translation>
    </message>
    <message>
        <source>Its concentration (mo&amp;l/L)</source>
        <translation>Deren Konzen&amp;tration (mol/L)</translation>
    </message>
    <message>
        <source>Start volume in mL</source>
        <translation>Vorlagevolumen in mL</translation>
    </message>
    <message>
        <source>Start vol&amp;ume (mL)</source>
        <translation>&amp;Vorlagevolumen (mL)</translation>
    </message>
    <message>
        <source>Strong acid added, HCl, in mol/L</source>
        <translation>Zugesetzte starke Säure, HCl, in mol/L</translation>
    </message>
    <message>
        <source>Strong &amp;base added (mol/L)</source>
        <extracomment>A strong base added to the solution, as --base on the command line.</extracomment>
        <translation>Starke &amp;Base zugesetzt (mol/L)</translation>
    </message>
    <message>
        <source>Strong base added, NaOH, in mol/L</source>
        <translation>Zugesetzte starke Base, NaOH, in mol/L</translation>
    </message>
    <message>
        <source>End volume of the titration in mL, empty for automatic</source>
        <translation>Endvolumen der Titration in mL, leer für automatisch</translation>
    </message>
    <message>
        <source>automatic</source>
        <extracomment>The end volume&apos;s field when it is empty: the titration ends past its last equivalence point.</extracomment>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>Empty: 20 % past the last equivalence point</source>
        <translation>Leer: 20 % über den letzten Äquivalenzpunkt hinaus</translation>
    </message>
    <message>
        <source>pKa %1: %2</source>
        <extracomment>A pKa field whose text is no number: &quot;pKa 2: is not a number&quot;.</extracomment>
        <translation>pKs %1: %2</translation>
    </message>
    <message>
        <source>%1 mol/L</source>
        <translation>%1 mol/L</translation>
    </message>
    <message>
        <source>strong acid %1 mol/L</source>
        <translation>starke Säure %1 mol/L</translation>
    </message>
    <message>
        <source>strong base %1 mol/L</source>
        <translation>starke Base %1 mol/L</translation>
    </message>
    <message>
        <source>titrant %1 mol/L</source>
        <translation>Maßlösung %1 mol/L</translation>
    </message>
    <message>
        <source>start volume %1 mL</source>
        <translation>Vorlagevolumen %1 mL</translation>
    </message>
    <message>
        <source>end volume automatic</source>
        <translation>Endvolumen automatisch</translation>
    </message>
    <message>
        <source>end volume %1 mL</source>
        <translation>Endvolumen %1 mL</translation>
    </message>
    <message>
        <source>Not current: showing %1, as before the edit</source>
        <extracomment>Over the drawings while a field is not fine: they show the values from before its edit. %1 lists them: &quot;0,1 mol/L, start volume 25 mL&quot;.</extracomment>
        <translation>Nicht aktuell: gezeigt wird %1, wie vor der Eingabe</translation>
    </message>
    <message>
        <source>Strong ac&amp;id added (mol/L)</source>
        <extracomment>A strong acid added to the solution, as --acid on the command line.</extracomment>
        <translation>Starke &amp;Säure zugesetzt (mol/L)</translation>
    </message>
    <message>
        <source>End v&amp;olume (mL)</source>
        <translation>Endvol&amp;umen (mL)</translation>
    </message>
    <message>
        <source>Tem&amp;perature (°C)</source>
        <translation>Tem&amp;peratur (°C)</translation>
    </message>
    <message>
        <source>Temperature in degrees Celsius</source>
        <translation>Temperatur in Grad Celsius</translation>
    </message>
    <message>
        <source>0 to 100 °C</source>
        <translation>0 bis 100 °C</translation>
    </message>
    <message>
        <source>ideal</source>
        <extracomment>Activities taken as the concentrations.</extracomment>
        <translation>ideal</translation>
    </message>
    <message>
        <source>Davies</source>
        <extracomment>Activity coefficients by the Davies equation.</extracomment>
        <translation>Davies</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Aktivitäten</translation>
    </message>
    <message>
        <source>Davies: activity coefficients from the ionic strength, good up to about 0.5 mol/L</source>
        <translation>Davies: Aktivitätskoeffizienten aus der Ionenstärke, brauchbar bis etwa 0,5 mol/L</translation>
    </message>
    <message>
        <source>Activitie&amp;s</source>
        <translation>Akt&amp;ivitäten</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>the substances listed before</source>
        <extracomment>What the drawings show of the listed substances while a field of theirs is not fine.</extracomment>
        <translation>die weiteren Stoffe wie zuvor</translation>
    </message>
    <message>
        <source>Follo&amp;w the main window</source>
        <translation>Dem &amp;Hauptfenster folgen</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionWindow</name>
    <message>
        <source>Fractions</source>
        <translation>Anteile</translation>
    </message>
    <message>
        <source>Fractions chart</source>
        <translation>Diagramm der Speziesanteile</translation>
    </message>
    <message>
        <source>Log c</source>
        <extracomment>The tab of the chart of log c, as its axis names it.</extracomment>
        <translation>Log c</translation>
    </message>
    <message>
        <source>Log-concentration chart</source>
        <translation>log-c-pH-Diagramm</translation>
    </message>
    <message>
        <source>Titration</source>
        <translation>Titration</translation>
    </message>
    <message>
        <source>Titration chart</source>
        <translation>Titrationskurve</translation>
    </message>
    <message>
        <source>Velmora – Solution</source>
        <translation>Velmora – Lösung</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>Diag&amp;ramm</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings in %1 are not used (%2); it starts with its defaults and remembers nothing</source>
        <translation>die Einstellungen des Lösungsfensters in %1 werden nicht verwendet (%2); es startet mit seinen Voreinstellungen und merkt sich nichts</translation>
    </message>
    <message>
        <source>the solution window&apos;s settings could not be written to %1: %2</source>
        <translation>die Einstellungen des Lösungsfensters ließen sich nicht nach %1 schreiben: %2</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>Text &amp;größer</translation>
    </message>
    <message>
        <source>&amp;Smaller text</source>
        <translation>Text &amp;kleiner</translation>
    </message>
    <message>
        <source>&amp;Normal text size</source>
        <translation>&amp;Normale Textgröße</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <extracomment>The View menu&apos;s entry of the fractions chart, with its mnemonic.</extracomment>
        <translation>&amp;Anteile</translation>
    </message>
    <message>
        <source>L&amp;og c</source>
        <extracomment>The View menu&apos;s entry of the log c chart, with its mnemonic.</extracomment>
        <translation>L&amp;og c</translation>
    </message>
    <message>
        <source>&amp;Titration</source>
        <extracomment>The View menu&apos;s entry of the titration chart, with its mnemonic.</extracomment>
        <translation>&amp;Titration</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Show &amp;inputs</source>
        <translation>&amp;Eingaben anzeigen</translation>
    </message>
    <message>
        <source>Buffer</source>
        <extracomment>The tab of the buffer-capacity chart.</extracomment>
        <translation>Puffer</translation>
    </message>
    <message>
        <source>Buffer-capacity chart</source>
        <translation>Diagramm der Pufferkapazität</translation>
    </message>
    <message>
        <source>&amp;Buffer capacity</source>
        <extracomment>The View menu&apos;s entry of the buffer-capacity chart, with its mnemonic.</extracomment>
        <translation>&amp;Pufferkapazität</translation>
    </message>
    <message>
        <source>Derivative</source>
        <extracomment>The tab of the chart of the titration curve&apos;s slope, dpH/dV.</extracomment>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>Derivative chart</source>
        <translation>Diagramm der Ableitung</translation>
    </message>
    <message>
        <source>&amp;Derivative</source>
        <extracomment>The View menu&apos;s entry of the derivative chart, with its mnemonic.</extracomment>
        <translation>A&amp;bleitung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Gran</source>
        <extracomment>The tab of Gran&apos;s plot of a measured titration.</extracomment>
        <translation>Gran</translation>
    </message>
    <message>
        <source>Gran plot</source>
        <translation>Gran-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Gran plot</source>
        <extracomment>The View menu&apos;s entry of Gran&apos;s plot, with its mnemonic.</extracomment>
        <translation>G&amp;ran-Diagramm</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SpeciesText</name>
    <message>
        <source>as %1</source>
        <translation>als %1</translation>
    </message>
    <message>
        <source>%1 mol/L %2: pH %3 · %4 mol/L</source>
        <extracomment>The solution line under the drawing: &quot;0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240, … mol/L&quot;. %1 is the concentration, %2 what was dissolved (&quot;as H₃A&quot;), %3 the pH and %4 the species with their concentrations.</extracomment>
        <translation>%1 mol/L %2: pH %3 · %4 mol/L</translation>
    </message>
    <message>
        <source>%1 mL (pH %2)</source>
        <extracomment>One equivalence point in the titration line: %1 the volume in mL, %2 the pH.</extracomment>
        <translation>%1 mL (pH %2)</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · no equivalence point</source>
        <extracomment>The titration line when the titrant reaches no equivalence point: &quot;25 mL of 0.1 mol/L CH₃COO⁻ with 0.1 mol/L NaOH · no equivalence point&quot;.</extracomment>
        <translation>%1 mL %2 mol/L %3 mit %4 mol/L %5 · kein Äquivalenzpunkt</translation>
    </message>
    <message>
        <source>%1 mL of %2 mol/L %3 with %4 mol/L %5 · equivalence at %6</source>
        <extracomment>The titration line under the drawing: &quot;25 mL of 0.1 mol/L CH₃COOH with 0.1 mol/L NaOH · equivalence at 25.00 mL (pH 8.73)&quot;. %1 the sample&apos;s volume, %2 its concentration, %3 what was dissolved, %4 the titrant&apos;s concentration, %5 the titrant, %6 the equivalence points.</extracomment>
        <translation>%1 mL %2 mol/L %3 mit %4 mol/L %5 · Äquivalenz bei %6</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceChooser</name>
    <message>
        <source>Add from library</source>
        <translation>Aus der Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Name or key, e.g. acetic</source>
        <translation>Name oder Schlüssel, z. B. Essig</translation>
    </message>
    <message>
        <source>Find a substance</source>
        <translation>Stoff suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Substances of the library</source>
        <translation>Stoffe der Bibliothek</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An entry of the library&apos;s list: the substance&apos;s name and its key (&quot;Acetic acid (acetic)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The solution holds as many acid-base systems as it can.</source>
        <translation>Die Lösung enthält schon so viele Säure-Base-Systeme, wie sie fassen kann.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
</context>
<context>
    <name>velmora::ui::SubstanceListView</name>
    <message>
        <source>Base with typed pKb</source>
        <translation>Base mit eigenen pKb-Werten</translation>
    </message>
    <message>
        <source>Acid with typed pKa</source>
        <translation>Säure mit eigenen pKs-Werten</translation>
    </message>
    <message>
        <source>Further substances</source>
        <translation>Weitere Stoffe</translation>
    </message>
    <message>
        <source>Add fro&amp;m library…</source>
        <translation>Aus der Bibliothek &amp;wählen…</translation>
    </message>
    <message>
        <source>Add a substance from the library</source>
        <translation>Einen Stoff aus der Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Add t&amp;yped</source>
        <translation>Eigenes S&amp;ystem</translation>
    </message>
    <message>
        <source>Add a system with typed constants</source>
        <translation>Ein System mit selbst eingegebenen Konstanten hinzufügen</translation>
    </message>
    <message>
        <source>A weak acid or base with pKa or pKb values you type</source>
        <translation>Eine schwache Säure oder Base mit selbst eingegebenen pKs- oder pKb-Werten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>The Remove button of a listed substance, for screen readers: &quot;Remove Acetic acid&quot;.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>pKa of the acid</source>
        <translation>pKs der Säure</translation>
    </message>
    <message>
        <source>pKb of the base</source>
        <translation>pKb der Base</translation>
    </message>
    <message>
        <source>Constants given as</source>
        <translation>Konstanten angegeben als</translation>
    </message>
    <message>
        <source>Typed constants</source>
        <translation>Eingegebene Konstanten</translation>
    </message>
    <message>
        <source>Values separated by semicolons: 2.15; 7.2; 12.35</source>
        <extracomment>The typed constants&apos; field: values separated by semicolons.</extracomment>
        <translation>Werte durch Semikolons getrennt: 2,15; 7,2; 12,35</translation>
    </message>
    <message>
        <source>Concentration of %1 in mol/L</source>
        <translation>Konzentration von %1 in mol/L</translation>
    </message>
    <message>
        <source>Concentration (mol/L)</source>
        <translation>Konzentration (mol/L)</translation>
    </message>
    <message>
        <source>Species of %1 dissolved</source>
        <translation>Gelöste Form von %1</translation>
    </message>
    <message>
        <source>Dissolved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>%1, strong acid</source>
        <extracomment>A listed strong acid: &quot;HCl, strong acid&quot;.</extracomment>
        <translation>%1, starke Säure</translation>
    </message>
    <message>
        <source>%1, strong base</source>
        <translation>%1, starke Base</translation>
    </message>
    <message>
        <source>%1, inert salt</source>
        <extracomment>A listed salt that takes no part in the acid-base reactions: &quot;NaCl, inert salt&quot;.</extracomment>
        <translation>%1, Neutralsalz</translation>
    </message>
    <message>
        <source>as the base</source>
        <extracomment>A base with typed constants is dissolved as the base itself.</extracomment>
        <translation>als die Base selbst</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TheoryDocument</name>
    <message>
        <source>the theory document</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation>das Theoriedokument</translation>
    </message>
    <message>
        <source>The theory document %1 was not found.

Looked in:
%2</source>
        <translation>Das Theoriedokument %1 wurde nicht gefunden.

Gesucht in:
%2</translation>
    </message>
    <message>
        <source>Its edition in your language, %1, was looked for there too.</source>
        <extracomment>Follows the list of folders where the theory document was not found; %1 is the document&apos;s file name in the user&apos;s language.</extracomment>
        <translation>Auch seine Ausgabe in Ihrer Sprache, %1, wurde dort gesucht.</translation>
    </message>
</context>
<context>
    <name>velmora::ui::TypedNumber</name>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>write decimals with a point</source>
        <translation>Dezimalzahlen mit Punkt schreiben</translation>
    </message>
    <message>
        <source>write the number without group separators or blanks</source>
        <translation>Zahl ohne Tausendertrennzeichen und Leerzeichen schreiben</translation>
    </message>
    <message>
        <source>is ambiguous: write %1 or %2</source>
        <translation>ist mehrdeutig: %1 oder %2 schreiben</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>ist zu groß</translation>
    </message>
    <message>
        <source>has more than %1 decimals</source>
        <translation>hat mehr als %1 Nachkommastellen</translation>
    </message>
</context>
</TS>
