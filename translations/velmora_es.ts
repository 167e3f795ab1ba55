<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>velmora::app::CommandLine</name>
    <message>
        <source>at most %1 values, got %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of range (0 to 14)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value %1 is 0, which marks an absent constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values must not decrease (%1 after %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is only used with --export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution diagrams of mono- to tetraprotic acids; the pH, log-concentration diagram and titration curve of an acid&apos;s solution.
Without options the window opens; with --export a drawing or its data is written to a file, with --solve a solution&apos;s pH and species are printed, and no display is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the diagram (or the chart --plot names) to FILE: .png, .svg or .pdf for the picture, .csv for its data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The value of --export, as its description names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One to four comma-separated pKa values from 0 to 14, not decreasing (default %1); for --solve and the solution&apos;s charts one to six from -5 to 25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --pka and --names: a comma-separated list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG only: whole-number magnification 1 to 8 (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV only: pH step from 0.001 to 1 (default 0.1); for --plot titration the volume step, 0.001 mL to the end volume (default 0.05), at most a million rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses an example acid with its literature values and formulas instead of --pka (see --list-presets).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --preset: the name of an example acid as --list-presets shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the example acids that --preset takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the solution window beside the main window (no other option).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--solution opens the window and takes no other option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--solve: use either --solve or --export, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export: no file name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export: unknown file type of &apos;%1&apos; (use .png, .svg, .pdf or .csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale applies to .png only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step applies to .csv only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale: &apos;%1&apos; is not a whole number from 1 to 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset applies to --plot main only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset: use either --preset or --pka, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--preset: unknown acid &apos;%1&apos; (see --list-presets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: &apos;%1&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: the diagram&apos;s font %1 is missing and no installed font stands in for it; the texts in %2 show as empty boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a window: no display (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the window: not found in %1 or %2</source>
        <extracomment>%1 and %2 are the two places the window module is looked for in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open a window: no display could be opened: %1 (set DISPLAY or WAYLAND_DISPLAY, or use --export)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::app::SolutionOptions</name>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>A value out of range: %1 is the option, %2 the value given, %3 the problem with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to --plot titration only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the pH of a solution of the acid (--pka, needed here) and every species&apos; concentration and share; takes --charge, --conc, --as, --base, --acid and --names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export: main (the distribution diagram, default), fractions, logc or titration. These three take --pka with 1 to 6 values, the solution&apos;s options and --size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --plot: which chart.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge of the fully protonated acid, -6 to 6 (default 0; 1 for NH4+).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total concentration of the acid, 1e-10 to 10 mol/L (default 0.1). Given, the fractions and logc charts mark the solution&apos;s pH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The species the acid is dissolved as: 0 (the acid itself, default) to n (its salt without protons), with Na+ or Cl- as counter-ions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong base added (as NaOH), 0 to 10 mol/L (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong acid added (as HCl), 0 to 10 mol/L (default 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The species&apos; formulas, n + 1 of them comma-separated, fully protonated first; charges after a caret (H2PO4^-,HPO4^2-).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIST</source>
        <extracomment>The value of --names: a comma-separated list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chart&apos;s size in pixels, 320x200 to 4096x4096 (default 960x600).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration: the sample&apos;s volume, 0.1 to 1000 mL (default 25).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration: base:CT or acid:CT, a strong base or acid of CT mol/L, 1e-6 to 10 (default base:0.1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration: the last volume added, 0.001 to 100000 mL (default 20 % past the last equivalence point the titrant reaches).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--plot: unknown kind &apos;%1&apos; (use main, fractions, logc or titration)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is only used with --export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is only used with --export or --solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 applies to --plot fractions, logc or titration only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--solve needs the acid&apos;s constants: --pka LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size: &apos;%1&apos; is not WIDTHxHEIGHT in pixels (such as 960x600)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size: %1 is out of range (320x200 to 4096x4096)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--scale: %1x%2 at %3 would be more than %4 pixels a side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--names: &apos;%1&apos; is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--titrant: &apos;%1&apos; is not base:CT or acid:CT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to: the default end volume %1 mL %2; give --to</source>
        <extracomment>%1 is the volume, %2 the problem with it (&quot;must be from 0.001 to 100000 mL&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: %1 is out of range (0.001 to %2 mL, the end volume)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: a step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <extracomment>%1 is the step in mL, %2 the end volume in mL, %3 the rows it would give, %4 the most.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--step: the default step of %1 mL up to %2 mL gives %3 rows, more than %4; give a larger --step or a smaller --to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::diagram::AtomicFile</name>
    <message>
        <source>it is a FIFO, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a character device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a block device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a special file, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the link leads to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::diagram::Encode</name>
    <message>
        <source>a drawing is not a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the diagram could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::model::Preset</name>
    <message>
        <source>Acetic acid</source>
        <extracomment>The example acids&apos; names, the sources of their values and their notes show in the plot&apos;s menu and readout and in the help of --list-presets. Keep book titles as they are published and formulas as written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, dissociation constants of organic acids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oxalic acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common textbook values; handbooks give 1.25 to 1.27 and 4.27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbonic acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, dissociation constants of inorganic acids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first value is the apparent one that counts dissolved CO2 as H2CO3; the true H2CO3 value is about 3.6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hydrogen sulfide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>older handbook values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second value is disputed: newer measurements put it at 17 to 19.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glycine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC Handbook of Chemistry and Physics, amino acids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HGly is the zwitterion H3N+ CH2 COO-, with no net charge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phosphoric acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common textbook values (Skoog, Fundamentals of Analytical Chemistry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Citric acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arsenic acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common textbook values for the carboxyl and ammonium groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two further constants of H6Y2+ (about 0.0 and 1.5) are not shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::model::Problem</name>
    <message>
        <source>needs 1 to 6 values</source>
        <extracomment>The problems of the model are shown beside an input field (&quot;must be from 1e-10 to 10 mol/L&quot;) and on the command line after the option and its value (&quot;--conc: 20 must be from 1e-10 to 10 mol/L&quot;); keep the numbers as they are written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values must be from -5 to 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values must be in non-decreasing order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a whole number from -6 to 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs %1 names, one per species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each name needs 1 to 49 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name may not start or end with a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name may not contain commas or control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be from 1e-10 to 10 mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be a species index from 0 to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be from 0 to 10 mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be from 0.1 to 1000 mL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be from 1e-6 to 10 mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>must be from 0.001 to 100000 mL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::model::Summary</name>
    <message>
        <source>Monoprotic acid.</source>
        <extracomment>The spoken description of the diagram starts with the acid&apos;s kind.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diprotic acid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triprotic acid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tetraprotic acid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 predominates over the whole range from pH 0 to 14.</source>
        <extracomment>%1 is a species&apos; formula.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 predominates below pH %2</source>
        <extracomment>The first species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 above %2.</source>
        <extracomment>The last species of the spoken description: %1 its formula, %2 a pH.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 from %2 to %3</source>
        <extracomment>A species in the middle of the spoken description: %1 its formula, %2 and %3 pH.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::resources::Picture</name>
    <message>
        <source>Theory</source>
        <extracomment>The word on the Theory button&apos;s face; it has room for about eight letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The word on the About button&apos;s face; it has room for about eight letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The word on the Exit button&apos;s face; it has room for about eight letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>The word on the About window&apos;s Cancel button, which closes the window; it has room for about six letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::About</name>
    <message>
        <source>a new e-mail to the author</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the web page of further chemistry programs</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program calculates the concentration fractions of polyprotic acids species as functions of pH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our thanks go to the chemistry teachers and students who tried the first drafts in their lessons, told us where the diagrams were hard to read and helped us make them clearer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find more chemical programs here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::Desktop</name>
    <message>
        <source>The desktop could not open %1.

%2</source>
        <extracomment>%1 names what was to be opened (&quot;the theory document&quot;), %2 is its address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opener xdg-open stopped unexpectedly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist (xdg-open ended with status 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to open it was found; is one installed? (xdg-open ended with status 3.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program for it failed (xdg-open ended with status 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opener xdg-open ended with status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opener xdg-open, which hands documents to their programs, is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opener xdg-open could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::DiagramCommands</name>
    <message>
        <source>Copy diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save diagram…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagram was not saved to %1.

The file name must end in .png, .svg or .pdf, which decides the kind of file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagram could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be exported to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagram could not be printed on %1.

The printer or its file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::ExampleAcids</name>
    <message>
        <source>Example acids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pKa %1 (25 °C)</source>
        <extracomment>The readout&apos;s line of an example acid&apos;s values: &quot;pKa 2.15, 7.20, 12.35&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::NumberField</name>
    <message>
        <source>is not a number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionCompanion</name>
    <message>
        <source>Solution…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionPanel</name>
    <message>
        <source>&amp;Follow the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pKa %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pKa &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the last constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge of the fully protonated form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Char&amp;ge of the fully protonated form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formulas of the species:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula of species %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caret notation: HPO4^2-, NH4^+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generic &amp;names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generic names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration in mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conc&amp;entration (mol/L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration on a logarithmic scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10⁻⁶ to 1 mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species dissolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dissolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strong base (NaOH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strong acid (HCl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titrant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Titrant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titrant concentration in mol/L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its concentration (mo&amp;l/L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start volume in mL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start vol&amp;ume (mL)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::SolutionWindow</name>
    <message>
        <source>Fractions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log c</source>
        <extracomment>The tab of the chart of log c, as its axis names it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log-concentration chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titration chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora – Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the solution window&apos;s settings could not be written to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::SpeciesText</name>
    <message>
        <source>as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mol/L %2: pH %3 · %4 mol/L</source>
        <extracomment>The solution line under the drawing: &quot;0.1 mol/L as H₃A: pH 1.62 · H₃A 0.0760, H₂A⁻ 0.0240, … mol/L&quot;. %1 is the concentration, %2 what was dissolved (&quot;as H₃A&quot;), %3 the pH and %4 the species with their concentrations.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::TheoryDocument</name>
    <message>
        <source>the theory document</source>
        <extracomment>Takes the place of %1 in &quot;The desktop could not open %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The theory document %1 was not found.

Looked in:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ui::pHH</name>
    <message>
        <source>Theory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monoprotic acid HA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diprotic acid H2A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triprotic acid H3A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tetraprotic acid H4A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pKa %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of pKa %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value of pKa(%1) </source>
        <extracomment>The tooltips of the main window begin and end with a blank, as drawn.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Theory of polyprotic acids from Wikipedia </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> About this program </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Do you really want to exit? </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
