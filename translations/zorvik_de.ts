<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChartTable</name>
    <message>
        <source>Inlet %1 %2</source>
        <translation>Eingang %1 %2</translation>
    </message>
    <message>
        <source>Duty at full speed</source>
        <translation>Betriebspunkt bei voller Drehzahl</translation>
    </message>
    <message>
        <source>Charging point %1</source>
        <translation>Füllpunkt %1</translation>
    </message>
    <message>
        <source>Performance chart of %1 - %2</source>
        <translation>Kennliniendiagramm von %1 - %2</translation>
    </message>
    <message>
        <source>Curve or point</source>
        <translation>Kurve oder Punkt</translation>
    </message>
    <message>
        <source>Outlet pressure, %1</source>
        <translation>Ausgangsdruck, %1</translation>
    </message>
    <message>
        <source>Outlet flow, %1</source>
        <translation>Förderstrom, %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Delivered flow against outlet pressure at %1 drive, %2 inlet</source>
        <translation>Förderstrom über Ausgangsdruck bei %1 Antrieb, %2 Eingang</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Ausgangsdruck</translation>
    </message>
    <message>
        <source>Delivered flow</source>
        <translation>Förderstrom</translation>
    </message>
    <message>
        <source>Required: %1 at %2</source>
        <translation>Gefordert: %1 bei %2</translation>
    </message>
    <message>
        <source>Vessel pressure against time</source>
        <translation>Behälterdruck über der Zeit</translation>
    </message>
    <message>
        <source>Time, minutes</source>
        <translation>Zeit, Minuten</translation>
    </message>
    <message>
        <source>Vessel pressure</source>
        <translation>Behälterdruck</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Listed by the selection</source>
        <translation>In der Auswahlliste</translation>
    </message>
    <message>
        <source>No, near miss</source>
        <translation>Nein, knapp verfehlt</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Förderstrom</translation>
    </message>
    <message>
        <source>Drive air used</source>
        <translation>Antriebsluftverbrauch</translation>
    </message>
    <message>
        <source>Total input air (flow + drive air)</source>
        <translation>Luftbedarf gesamt (Förderstrom + Antriebsluft)</translation>
    </message>
    <message>
        <source>Cycles per minute</source>
        <translation>Zyklen pro Minute</translation>
    </message>
    <message>
        <source>Speed, % of maximum</source>
        <translation>Drehzahl, % des Maximums</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>Volumetric efficiency, %</source>
        <translation>Liefergrad, %</translation>
    </message>
    <message>
        <source>Stall pressure at this drive</source>
        <translation>Stillstandsdruck bei diesem Antrieb</translation>
    </message>
    <message>
        <source>Margin to maximum outlet</source>
        <translation>Abstand zum max. Ausgangsdruck</translation>
    </message>
    <message>
        <source>Cut back to the air available</source>
        <translation>Auf verfügbare Luft begrenzt</translation>
    </message>
    <message>
        <source>Flow flat out at this outlet</source>
        <translation>Förderstrom bei Volllast an diesem Ausgang</translation>
    </message>
    <message>
        <source>Speed at the duty, % of maximum</source>
        <translation>Drehzahl im Betriebspunkt, % des Maximums</translation>
    </message>
    <message>
        <source>Cycles per minute at the duty</source>
        <translation>Zyklen pro Minute im Betriebspunkt</translation>
    </message>
    <message>
        <source>Above %1 % of maximum speed</source>
        <translation>Über %1 % der Höchstdrehzahl</translation>
    </message>
    <message>
        <source>Drive air at the duty</source>
        <translation>Antriebsluft im Betriebspunkt</translation>
    </message>
    <message>
        <source>Units in parallel for the flow</source>
        <translation>Parallel geschaltete Geräte für den Förderstrom</translation>
    </message>
    <message>
        <source>Drive air of those units</source>
        <translation>Antriebsluft dieser Geräte</translation>
    </message>
    <message>
        <source>Total input air at the duty</source>
        <translation>Luftbedarf gesamt im Betriebspunkt</translation>
    </message>
    <message>
        <source>Drive air to spare at the duty</source>
        <translation>Antriebsluftreserve im Betriebspunkt</translation>
    </message>
    <message>
        <source>Energy a year at the duty, kWh</source>
        <translation>Energie pro Jahr im Betriebspunkt, kWh</translation>
    </message>
    <message>
        <source>Cost a year at the duty</source>
        <translation>Kosten pro Jahr im Betriebspunkt</translation>
    </message>
    <message>
        <source>Meets the duty</source>
        <translation>Erfüllt die Aufgabe</translation>
    </message>
    <message>
        <source>Fill time, minutes</source>
        <translation>Füllzeit, Minuten</translation>
    </message>
    <message>
        <source>Total drive air</source>
        <translation>Antriebsluft gesamt</translation>
    </message>
    <message>
        <source>Average drive air</source>
        <translation>Mittlere Antriebsluft</translation>
    </message>
    <message>
        <source>Average cycles per minute</source>
        <translation>Mittlere Zyklen pro Minute</translation>
    </message>
    <message>
        <source>Energy a fill, kWh</source>
        <translation>Energie pro Füllung, kWh</translation>
    </message>
    <message>
        <source>Cost a fill</source>
        <translation>Kosten pro Füllung</translation>
    </message>
    <message>
        <source>%1 kW per n.m3/min</source>
        <translation>%1 kW je n.m3/min</translation>
    </message>
    <message>
        <source>%1 kW per 100 scfm</source>
        <translation>%1 kW je 100 scfm</translation>
    </message>
    <message>
        <source>drive air not limited</source>
        <translation>Antriebsluft unbegrenzt</translation>
    </message>
    <message>
        <source>%1 drive air available</source>
        <translation>%1 Antriebsluft verfügbar</translation>
    </message>
    <message>
        <source>any flow</source>
        <translation>beliebiger Förderstrom</translation>
    </message>
    <message>
        <source>%1 required</source>
        <translation>%1 gefordert</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh</source>
        <translation>Antrieb %1, %2, Eingang %3, Ausgang %4, %5.  Kosten: %6, %7 Stunden im Jahr, %8 je kWh</translation>
    </message>
    <message>
        <source>%1, inlet gas from the same air supply</source>
        <translation>%1, Eingangsgas aus demselben Luftnetz</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 Liter</translation>
    </message>
    <message>
        <source>%1 cu ft</source>
        <translation>%1 cu ft</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh</source>
        <translation>Antrieb %1, %2, Eingang %3, Behälter von %4 von %5 auf %6.  Kosten: %7, %8 je kWh</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Delivered %1 flow against outlet pressure at %2 drive, %3 inlet</source>
        <translation>Förderstrom (%1) über Ausgangsdruck bei %2 Antrieb, %3 Eingang</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Discharge temperature, upper bound</source>
        <translation>Austrittstemperatur, obere Grenze</translation>
    </message>
    <message>
        <source>%1 at %2, </source>
        <translation>%1 bei %2, </translation>
    </message>
    <message>
        <source>, discharge limit %1</source>
        <translation>, Grenze der Austrittstemperatur %1</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  Cost: %7, %8 per kWh</source>
        <translation>Antrieb %1, %2, Eingang %3, Behälter von %4 von %5 auf %6, Inhalt als Realgas gerechnet.  Kosten: %7, %8 je kWh</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source> (no curve)</source>
        <translation> (keine Kurve)</translation>
    </message>
</context>
<context>
    <name>ComparisonChartTable</name>
    <message>
        <source>%1 (not listed)</source>
        <translation>%1 (nicht aufgeführt)</translation>
    </message>
    <message>
        <source>%1: %2 against %3, one line for each of %4.</source>
        <translation>%1: %2 über %3, je eine Linie für %4.</translation>
    </message>
    <message>
        <source> %1 at %2, %3.</source>
        <translation> %1 bei %2, %3.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Die Eingabetaste oder Ctrl+T zeigt die Werte als Tabelle.</translation>
    </message>
    <message>
        <source>Model or point</source>
        <translation>Modell oder Punkt</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>Sorry......<byte value="xd"/>The code for this drawing has not been written yet!</source>
        <translation>Leider......<byte value="xd"/>Für diese Zeichnung gibt es noch keinen Code!</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Air Drive Inlet</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Antriebsluft</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port</source>
        <translation>3/8&quot; NPT Eingang</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Outlet Port</source>
        <translation>3/8&quot; NPT Ausgang</translation>
    </message>
    <message>
        <source>Air Drive <byte value="xd"/>Inlet</source>
        <translation>Antriebs-<byte value="xd"/>luft</translation>
    </message>
    <message>
        <source>Exhaust Muffler</source>
        <translation>Schalldämpfer</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port<byte value="xd"/>3/8 NPT Outlet port (rear side)</source>
        <translation>3/8&quot; NPT Eingang<byte value="xd"/>3/8 NPT Ausgang (Rückseite)</translation>
    </message>
    <message>
        <source>Fixings<byte value="xd"/>4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Befestigung<byte value="xd"/>4 Langlöcher<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Inlet Port</source>
        <translation>1/4&quot; NPT Eingang</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Outlet Port</source>
        <translation>1/4&quot; NPT Ausgang</translation>
    </message>
    <message>
        <source>Exhaust<byte value="xd"/>Muffler</source>
        <translation>Schall-<byte value="xd"/>dämpfer</translation>
    </message>
    <message>
        <source>Fixings 4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Befestigung 4 Langl.<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Eingang</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Ausgang</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Inlet Port</source>
        <translation>1/2&quot; Rohr<byte value="xd"/>Eingang</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Outlet Port</source>
        <translation>1/2&quot; Rohr<byte value="xd"/>Ausgang</translation>
    </message>
    <message>
        <source>Fixings  4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Befestigung  4 Langl.<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Eingänge<byte value="xd"/>beidseitig</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Ausgänge<byte value="xd"/>beidseitig</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Eingang</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Ausgang</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>3/4&quot; NPT</source>
        <translation>Antriebsluft<byte value="xd"/>3/4&quot; NPT</translation>
    </message>
    <message>
        <source>1&quot; NPT Outlet Port (this side)<byte value="xd"/>1&quot; NPT Inlet Port (rear side)</source>
        <translation>1&quot; NPT Ausgang (diese Seite)<byte value="xd"/>1&quot; NPT Eingang (Rückseite)</translation>
    </message>
    <message>
        <source>Fixings 8 holes<byte value="xd"/>13.5 mm dia (17/32&quot; dia)</source>
        <translation>Befestigung 8 Bohrungen<byte value="xd"/>13,5 mm Ø (17/32&quot; Ø)</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>DRAUFSICHT</translation>
    </message>
    <message>
        <source>Air Inlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Lufteingang <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Air Outlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Luftausgang <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Wall Mounting<byte value="xd"/>4 holes<byte value="xd"/>10 mm dia<byte value="xd"/>(3/8&quot; dia)</source>
        <translation>Wandmontage<byte value="xd"/>4 Bohrungen<byte value="xd"/>10 mm Ø<byte value="xd"/>(3/8&quot; Ø)</translation>
    </message>
    <message>
        <source>Base Mounting 4 holes<byte value="xd"/>10 mm dia (3/8&quot; dia)</source>
        <translation>Bodenmontage 4 Bohrungen<byte value="xd"/>10 mm Ø (3/8&quot; Ø)</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>1/2&quot; NPT  8.6 bar (125 psi) max</source>
        <translation>Antriebsluft<byte value="xd"/>1/2&quot; NPT  max. 8,6 bar (125 psi)</translation>
    </message>
    <message>
        <source>Mounting holes<byte value="xd"/>4 x 10mm (0.39&quot;) dia</source>
        <translation>Befestigungsbohrungen<byte value="xd"/>4 x 10 mm (0,39&quot;) Ø</translation>
    </message>
    <message>
        <source>Model 61306 is a complete pneumatic<byte value="xd"/>system designed to provide amplified<byte value="xd"/>pressure and momentary high flow.</source>
        <translation>Das Modell 61306 ist ein komplettes<byte value="xd"/>pneumatisches System für erhöhten<byte value="xd"/>Druck und kurzzeitig hohen Durchfluss.</translation>
    </message>
    <message>
        <source>It utilizes available plant air (up to 6.5 bar<byte value="xd"/>95 psi) to both the supply and drive inlets<byte value="xd"/>of the model RBW-2 which automatically<byte value="xd"/>stalls once the storage tank has been<byte value="xd"/>filled to about double the supply pressure.</source>
        <translation>Es nutzt die vorhandene Betriebsluft (bis<byte value="xd"/>6,5 bar, 95 psi) für Eingang und Antrieb<byte value="xd"/>des Modells RBW-2, das selbsttätig<byte value="xd"/>stehen bleibt, sobald der Speicher auf<byte value="xd"/>etwa den doppelten Vordruck gefüllt ist.</translation>
    </message>
    <message>
        <source>The amplifier will sense any use of air from<byte value="xd"/>the tank, and resume operation again to stall<byte value="xd"/>at about 2 times supply pressure.</source>
        <translation>Der Verstärker erkennt jede Luftentnahme<byte value="xd"/>aus dem Speicher und läuft wieder an,<byte value="xd"/>bis er bei etwa 2-fachem Vordruck steht.</translation>
    </message>
    <message>
        <source>The regulator on the tank output is provided<byte value="xd"/>to control output pressure and flow, up to<byte value="xd"/>about (momentarily) 4.2 Nm3/min 150 scfm.<byte value="xd"/>Also included is an ASME coded safety relief<byte value="xd"/>valve on the tank set at 13.8 bar (200 psi).</source>
        <translation>Der Regler am Speicherausgang stellt<byte value="xd"/>Druck und Durchfluss ein, kurzzeitig bis<byte value="xd"/>etwa 4,2 Nm3/min (150 scfm).<byte value="xd"/>Dazu gehört ein ASME-Sicherheitsventil<byte value="xd"/>am Speicher, eingestellt auf 13,8 bar (200 psi).</translation>
    </message>
</context>
<context>
    <name>DutyNote</name>
    <message>
        <source>%1 (%2 % speed, %3 %4)</source>
        <translation>%1 (%2 % Drehzahl, %3 %4)</translation>
    </message>
    <message>
        <source>%1 (%2 % speed, %3 of %4 %5)</source>
        <translation>%1 (%2 % Drehzahl, %3 von %4 %5)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weiteres</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>No selections. Nearest model, %1: %2.</source>
        <translation>Keine Auswahl. Nächstes Modell, %1: %2.</translation>
    </message>
    <message>
        <source>No selections at full output on the air available; throttled to the flow asked for, these meet the duty: %1.</source>
        <translation>Keine Auswahl bei voller Leistung mit der verfügbaren Luft; auf den verlangten Durchfluss gedrosselt erfüllen diese die Aufgabe: %1.</translation>
    </message>
    <message>
        <source>Also meet the duty throttled (the list runs each model flat out on the air available): %1.</source>
        <translation>Gedrosselt erfüllen auch diese die Aufgabe (die Liste rechnet jedes Modell mit voller Leistung und der verfügbaren Luft): %1.</translation>
    </message>
    <message>
        <source>* Discharge can pass the %1 limit: %2.</source>
        <translation>* Austritt kann die Grenze von %1 überschreiten: %2.</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Null is not valid value</source>
        <translation>Leer ist kein gültiger Wert</translation>
    </message>
    <message>
        <source>%1 is not valid value</source>
        <translation>%1 ist kein gültiger Wert</translation>
    </message>
    <message>
        <source>Initial outlet pressure is lower than supply pressure!<byte value="xd"/>equalise pressures before starting amplifier.</source>
        <translation>Der Anfangsdruck am Ausgang ist niedriger als der Vordruck!<byte value="xd"/>Drücke vor dem Start des Verstärkers angleichen.</translation>
    </message>
    <message>
        <source>%1 is not a gas the program sizes</source>
        <translation>%1 ist kein Gas, für das das Programm auslegt</translation>
    </message>
</context>
<context>
    <name>Gases</name>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Carbon dioxide</source>
        <translation>Kohlendioxid</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Methan</translation>
    </message>
    <message>
        <source>Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.</source>
        <translation>Sauerstoff: Verstärker, Rohrleitungen und Behälter müssen für Sauerstoff gereinigt und ausgelegt sein. Die Erwärmung bei schneller Verdichtung ist eine Zündquelle: Ventile langsam öffnen, Öl und Fett fernhalten.</translation>
    </message>
    <message>
        <source>Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief outlets must vent safely to open air, away from any source of ignition.</source>
        <translation>Wasserstoff: Jedes medienberührte Teil muss aus einem wasserstoffgeeigneten Werkstoff sein; Leck- und Abblaseöffnungen müssen sicher ins Freie führen, fern von jeder Zündquelle.</translation>
    </message>
    <message>
        <source>Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.</source>
        <translation>Kohlendioxid verflüssigt sich unter Druck bei Raumtemperatur: Ein Ausgang oder Behälter ab seinem Dampfdruck enthält Flüssigkeit, die diese Auslegung nicht abdeckt. In einen belüfteten Bereich ablassen.</translation>
    </message>
    <message>
        <source>%1 bar absolute (%2 psig)</source>
        <translation>%1 bar absolut (%2 psig)</translation>
    </message>
    <message>
        <source>%1 is solid or liquid at %2 and %3, below its triple point</source>
        <translation>%1 ist bei %2 und %3 fest oder flüssig, unterhalb seines Tripelpunkts</translation>
    </message>
    <message>
        <source>%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature</source>
        <translation>%1 ist bei %2 und %3 flüssig oder zweiphasig: Bei dieser Temperatur verflüssigt es sich ab %4</translation>
    </message>
    <message>
        <source>The real-gas model covers %1 to %2; %3 is outside it</source>
        <translation>Das Realgasmodell gilt von %1 bis %2; %3 liegt außerhalb</translation>
    </message>
    <message>
        <source>The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it</source>
        <translation>Das Realgasmodell gilt für Absolutdrücke über 0 bis %1; %2 liegt außerhalb</translation>
    </message>
    <message>
        <source>The equation of state of %1 gives no gas state at %2 and %3</source>
        <translation>Die Zustandsgleichung von %1 ergibt bei %2 und %3 keinen Gaszustand</translation>
    </message>
</context>
<context>
    <name>Gases in a sentence</name>
    <message>
        <source>air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>carbon dioxide</source>
        <translation>Kohlendioxid</translation>
    </message>
    <message>
        <source>hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>methane</source>
        <translation>Methan</translation>
    </message>
</context>
<context>
    <name>JobRecovery</name>
    <message>
        <source>a new job, never saved</source>
        <translation>ein neues, nie gespeichertes Projekt</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Position</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Positionen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2), %3, as it was at %4.</source>
        <translation>„%1“ (%2), %3, im Stand vom %4.</translation>
    </message>
    <message>
        <source>The program ended without closing while a job had unsaved changes:</source>
        <translation>Das Programm wurde beendet, ohne zu schließen, während ein Projekt ungesicherte Änderungen hatte:</translation>
    </message>
    <message>
        <source>Restore it?</source>
        <translation>Wiederherstellen?</translation>
    </message>
    <message>
        <source>A job kept against a crash cannot be read; it is kept as</source>
        <translation>Ein für den Absturzfall gesichertes Projekt kann nicht gelesen werden; es bleibt erhalten als</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Die Datei kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The previous file cannot be kept as %1: %2.</source>
        <translation>Die bisherige Datei kann nicht als %1 aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>The file cannot be replaced: %1.</source>
        <translation>Die Datei kann nicht ersetzt werden: %1.</translation>
    </message>
    <message>
        <source>The file is %1 MiB; a job file is at most %2 MiB.</source>
        <translation>Die Datei hat %1 MiB; eine Auftragsdatei hat höchstens %2 MiB.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The file is a folder, not a job file.</source>
        <translation>Das ist ein Ordner, keine Auftragsdatei.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Die Datei ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened.</source>
        <translation>Die Datei wurde seit dem Öffnen auf dem Datenträger geändert.</translation>
    </message>
    <message>
        <source>A file of that name exists already.</source>
        <translation>Eine Datei dieses Namens gibt es bereits.</translation>
    </message>
    <message>
        <source>A text of the job is not UTF-8, so it cannot be saved.</source>
        <translation>Ein Text des Auftrags ist kein UTF-8, daher kann er nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The job is too large for a job file (at most 16 MiB).</source>
        <translation>Der Auftrag ist zu groß für eine Auftragsdatei (höchstens 16 MiB).</translation>
    </message>
    <message>
        <source>The job</source>
        <translation>Der Auftrag</translation>
    </message>
    <message>
        <source>must be &quot;flow&quot; or &quot;fill&quot;</source>
        <translation>muss &quot;flow&quot; oder &quot;fill&quot; sein</translation>
    </message>
    <message>
        <source>must be &quot;imperial&quot; or &quot;metric&quot;</source>
        <translation>muss &quot;imperial&quot; oder &quot;metric&quot; sein</translation>
    </message>
    <message>
        <source>must be a number or true or false</source>
        <translation>muss eine Zahl oder true oder false sein</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: model %2 is not one of the models 1 to %3.</source>
        <translation>%1: Modell %2 ist keines der Modelle 1 bis %3.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: it has no &quot;format&quot;: &quot;zorvik-job&quot;.</source>
        <translation>Die Datei ist keine Zorvik-Auftragsdatei: Ihr fehlt &quot;format&quot;: &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: its &quot;format&quot; is %1, not &quot;zorvik-job&quot;.</source>
        <translation>Die Datei ist keine Zorvik-Auftragsdatei: Ihr &quot;format&quot; ist %1, nicht &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>must be a whole number, 1 or more</source>
        <translation>muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>The file was written by a newer version of the program%1: it is job file version %2, and this version reads version %3.</source>
        <translation>Die Datei stammt von einer neueren Programmversion%1: Sie ist Auftragsdatei-Version %2, diese Version liest Version %3.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>muss eine Liste sein</translation>
    </message>
    <message>
        <source>The file nests its values too deeply to be a job file.</source>
        <translation>Die Datei verschachtelt ihre Werte zu tief für eine Auftragsdatei.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at %1 before its JSON is complete.</source>
        <translation>Die Datei ist abgeschnitten: Sie endet in %1, bevor ihr JSON vollständig ist.</translation>
    </message>
    <message>
        <source>The file is not JSON: %1: %2.</source>
        <translation>Die Datei ist kein JSON: %1: %2.</translation>
    </message>
    <message>
        <source>The file holds a number too large for the program: %1.</source>
        <translation>Die Datei enthält eine für das Programm zu große Zahl: %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: the byte at %1 is no UTF-8 character.</source>
        <translation>Die Datei ist kein UTF-8-Text: Das Byte in %1 ist kein UTF-8-Zeichen.</translation>
    </message>
    <message>
        <source>%1 must be a JSON object.</source>
        <translation>%1 muss ein JSON-Objekt sein.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be a number, 0 or more</source>
        <translation>muss eine Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>%1: %2 is not a key this version of the program knows.</source>
        <translation>%1: %2 ist ein Schlüssel, den diese Programmversion nicht kennt.</translation>
    </message>
    <message>
        <source>%1: %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>The file is read-only for you.</source>
        <translation>Die Datei ist für Sie schreibgeschützt.</translation>
    </message>
    <message>
        <source>It is not a regular file, so nothing is written there.</source>
        <translation>Das ist keine gewöhnliche Datei; dort wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file is being saved by another program; try again.</source>
        <translation>Die Datei wird gerade von einem anderen Programm gespeichert; versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The file is read-only for you; save the job under another name.</source>
        <translation>Die Datei ist für Sie schreibgeschützt; speichern Sie das Projekt unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>must be %1 at the most</source>
        <translation>darf höchstens %1 sein</translation>
    </message>
    <message>
        <source>The file names the key %1 twice in one object.</source>
        <translation>Die Datei nennt den Schlüssel %1 zweimal in einem Objekt.</translation>
    </message>
    <message>
        <source>The workbook cannot be made in %1.</source>
        <translation>Die Arbeitsmappe kann in %1 nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 is not installed.</source>
        <translation>Arbeitsmappen können nicht geschrieben werden: die Bibliothek %1 ist nicht installiert.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 has no %2.</source>
        <translation>Arbeitsmappen können nicht geschrieben werden: der Bibliothek %1 fehlt %2.</translation>
    </message>
</context>
<context>
    <name>ModelSelectionChartPrint</name>
    <message>
        <source>Model
Number</source>
        <translation>Modell-
nummer</translation>
    </message>
    <message>
        <source>
Ratio</source>
        <translation>
Verh.</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Supply</source>
        <translation>Max.
zul.
Gas-
eingang</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Outlet</source>
        <translation>Max.
zul.
Gas-
ausgang</translation>
    </message>
    <message>
        <source>Static Outlet
Pressure
Formula</source>
        <translation>Formel des
statischen
Enddrucks</translation>
    </message>
    <message>
        <source>Piston
Displ.
Per
Cycle</source>
        <translation>Hub-
volumen
je
Zyklus</translation>
    </message>
    <message>
        <source>Max.
Air
Drive</source>
        <translation>Max.
Antriebs-
luft</translation>
    </message>
    <message>
        <source>Drive
Size</source>
        <translation>Antriebs-
größe</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Zorvik Druckverstärker</translation>
    </message>
    <message>
        <source>Air Amplifier  Model Selection Chart</source>
        <translation>Druckverstärker  Modelltabelle</translation>
    </message>
    <message>
        <source>Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure</source>
        <translation>Pa = Antriebsdruck       Ps = Gaseingangsdruck</translation>
    </message>
</context>
<context>
    <name>OptionRows</name>
    <message>
        <source>       -C	Air Controls	1</source>
        <translation>       -C	Luftsteuerung	1</translation>
    </message>
    <message>
        <source>61301	Receiver &amp; Controls	6</source>
        <translation>61301	Behälter &amp; Steuerung	6</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	10</source>
        <translation>       -C	Luftsteuerung (F-R, Manometer &amp; Ventil)	10</translation>
    </message>
    <message>
        <source>61310	External Pilot Modification	11</source>
        <translation>61310	Umbau auf Fremdsteuerung	11</translation>
    </message>
    <message>
        <source>61302	No Load Run Away &amp; Regulator	12</source>
        <translation>61302	Leerlaufschutz &amp; Regler	12</translation>
    </message>
    <message>
        <source>61311	Extreme Service Cycling Mod	13</source>
        <translation>61311	Steuerung für harte Einsätze	13</translation>
    </message>
    <message>
        <source>61303	Receiver &amp; Controls	14</source>
        <translation>61303	Behälter &amp; Steuerung	14</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	20</source>
        <translation>       -C	Luftsteuerung (F-R, Manometer &amp; Ventil)	20</translation>
    </message>
    <message>
        <source>61312	External Pilot Modification	21</source>
        <translation>61312	Umbau auf Fremdsteuerung	21</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	22</source>
        <translation>  -QP1	Umbau auf Fremdsteuerung &amp; pneum. Schalter	22</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	23</source>
        <translation>61313	Elektrischer Hubzähler	23</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	24</source>
        <translation>61314	Mechanischer Hubzähler	24</translation>
    </message>
    <message>
        <source>61315	Three Way Cycling Spool	25</source>
        <translation>61315	3-Wege-Umsteuerschieber	25</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	26</source>
        <translation>61316	Umbau auf Einzelhub	26</translation>
    </message>
    <message>
        <source>61317	Extreme Service Cycling Mod	27</source>
        <translation>61317	Steuerung für harte Einsätze	27</translation>
    </message>
    <message>
        <source>61318	Receiver &amp; Controls	30</source>
        <translation>61318	Behälter &amp; Steuerung	30</translation>
    </message>
    <message>
        <source>61304	125 psig Downstream Regulator	31</source>
        <translation>61304	Nachgeschalteter Regler 125 psig	31</translation>
    </message>
    <message>
        <source>61304-1	200 psig Downstream Regulator	32</source>
        <translation>61304-1	Nachgeschalteter Regler 200 psig	32</translation>
    </message>
    <message>
        <source>61305	Regulator, Air Pilot Switch, &amp; Relief Valve	35</source>
        <translation>61305	Regler, pneum. Schalter &amp; Sicherheitsventil	35</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	40</source>
        <translation>       -C	Luftsteuerung (F-R, Manometer &amp; Ventil)	40</translation>
    </message>
    <message>
        <source>61319	External Pilot Modification	41</source>
        <translation>61319	Umbau auf Fremdsteuerung	41</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	42</source>
        <translation>  -QP1	Umbau auf Fremdsteuerung &amp; pneum. Schalter	42</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	43</source>
        <translation>61313	Elektrischer Hubzähler	43</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	44</source>
        <translation>61314	Mechanischer Hubzähler	44</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	45</source>
        <translation>61316	Umbau auf Einzelhub	45</translation>
    </message>
    <message>
        <source>61320	Extreme Service Cycling Mod	46</source>
        <translation>61320	Steuerung für harte Einsätze	46</translation>
    </message>
    <message>
        <source>61307	No Load Run Away Mod	47</source>
        <translation>61307	Leerlaufschutz	47</translation>
    </message>
    <message>
        <source>61308	No Load Run Away Mod with Air Controls	48</source>
        <translation>61308	Leerlaufschutz mit Luftsteuerung	48</translation>
    </message>
    <message>
        <source>61309	Receiver &amp; Controls	49</source>
        <translation>61309	Behälter &amp; Steuerung	49</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>%1 not listed: %2</source>
        <translation>%1 nicht aufgeführt: %2</translation>
    </message>
    <message>
        <source>Amplifier comparison - continuous process</source>
        <translation>Vergleich der Druckverstärker - kontinuierlicher Prozess</translation>
    </message>
    <message>
        <source>Amplifier comparison - vessel charging</source>
        <translation>Vergleich der Druckverstärker - Behälterfüllung</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Please contact %1 if you require assistance.</source>
        <translation>Für Unterstützung wenden Sie sich bitte an %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>PerformanceChart</name>
    <message>
        <source>Duty: %1 % speed, %2 air</source>
        <translation>Betrieb: %1 % Drehzahl, %2 Luft</translation>
    </message>
    <message>
        <source>Air drive pressure  %1</source>
        <translation>Antriebsdruck  %1</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!<byte value="xd"/>Reset to maximum air drive pressure</source>
        <translation>Antriebsdruck ist zu hoch!<byte value="xd"/>Auf den höchsten Antriebsdruck zurückgesetzt</translation>
    </message>
    <message>
        <source>Outlet pressure   %1</source>
        <translation>Ausgangsdruck   %1</translation>
    </message>
    <message>
        <source>Outlet Flow</source>
        <translation>Förderstrom</translation>
    </message>
    <message>
        <source>Performance prediction and curves are for guidance only.</source>
        <translation>Leistungsangaben und Kurven sind nur Richtwerte.</translation>
    </message>
    <message>
        <source>Should certified performance be required please contact factory.</source>
        <translation>Für bescheinigte Leistungswerte wenden Sie sich an das Werk.</translation>
    </message>
    <message>
        <source>= Inlet gas supply  %1</source>
        <translation>= Gaseingang  %1</translation>
    </message>
    <message>
        <source>Total input air volume required = outlet flow + QA</source>
        <translation>Gesamter Luftbedarf = Förderstrom + QA</translation>
    </message>
    <message>
        <source>= Air consumption  %1</source>
        <translation>= Luftverbrauch  %1</translation>
    </message>
    <message>
        <source>Do not use in</source>
        <translation>Nicht im grauen</translation>
    </message>
    <message>
        <source>shaded area.</source>
        <translation>Feld benutzen.</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source> Curves for an inlet gas pressure of %1 down to %2 %3.</source>
        <translation> Kurven für einen Gaseingangsdruck von %1 bis hinab zu %2 %3.</translation>
    </message>
    <message>
        <source> The duty: %1 %2 at %3 at full speed.</source>
        <translation> Der Betriebspunkt: %1 %2 bei %3 bei voller Drehzahl.</translation>
    </message>
    <message>
        <source> Charging a vessel from %1 to %2.</source>
        <translation> Füllen eines Behälters von %1 auf %2.</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Kennliniendiagramm</translation>
    </message>
    <message>
        <source>Outlet flow in %1 against outlet pressure in %2 of model %3, %4.</source>
        <translation>Förderstrom in %1 über Ausgangsdruck in %2 von Modell %3, %4.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Die Eingabetaste oder Ctrl+T zeigt die Werte als Tabelle.</translation>
    </message>
    <message>
        <source>Dimension drawing</source>
        <translation>Maßzeichnung</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Outline of model %1 with its dimensions in %2.</source>
        <translation>Umriss von Modell %1 mit seinen Maßen in %2.</translation>
    </message>
    <message>
        <source>Drawing of the option %1 for model %2.</source>
        <translation>Zeichnung der Option %1 für Modell %2.</translation>
    </message>
    <message>
        <source>Outline of the option %1 for model %2 with its dimensions in %3.</source>
        <translation>Umriss der Option %1 für Modell %2 mit ihren Maßen in %3.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1 could not be printed: the printer could not be started.</source>
        <translation>%1 konnte nicht gedruckt werden: Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>%1 could not be printed: the job could not be handed to the printer.</source>
        <translation>%1 konnte nicht gedruckt werden: Der Auftrag ließ sich nicht an den Drucker übergeben.</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>      CRB19   Air Pressure Amplifier Range                               </source>
        <translation>      CRB19   Druckverstärker-Baureihe                                     </translation>
    </message>
    <message>
        <source>XSingle Acting   Single Stage</source>
        <translation>XEinfachwirkend   einstufig</translation>
    </message>
    <message>
        <source>XEconomical means of boosting pressure, where</source>
        <translation>XWirtschaftliche Druckerhöhung, wo</translation>
    </message>
    <message>
        <source>volume is small.</source>
        <translation>das Volumen klein ist.</translation>
    </message>
    <message>
        <source>XCompact size</source>
        <translation>XKompakte Bauweise</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is</source>
        <translation>XMaximaler Ausgangsdruck =</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure.</source>
        <translation>    Flächenverhältnis x Antriebsdruck.</translation>
    </message>
    <message>
        <source>XControl of maximum pressure by means of</source>
        <translation>XHöchstdruck einstellbar über</translation>
    </message>
    <message>
        <source>inexpensive air drive pressure regulators.</source>
        <translation>preiswerte Druckregler der Antriebsluft.</translation>
    </message>
    <message>
        <source>XHigh output flow Air Pressure Amplifier</source>
        <translation>XDruckverstärker mit hohem Förderstrom</translation>
    </message>
    <message>
        <source>XPressure outputs up to 20 bar (300 psi)</source>
        <translation>XAusgangsdrücke bis 20 bar (300 psi)</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is area ratio x</source>
        <translation>XMax. Ausgangsdruck = Flächenverh. x</translation>
    </message>
    <message>
        <source>    drive pressure PLUS supply pressure.</source>
        <translation>    Antriebsdruck PLUS Vordruck.</translation>
    </message>
    <message>
        <source>XRequires less air drive since the inlet air</source>
        <translation>XBraucht weniger Antriebsluft, da der</translation>
    </message>
    <message>
        <source>pressure itself provides a substantial portion</source>
        <translation>Eingangsdruck selbst einen großen Teil</translation>
    </message>
    <message>
        <source>of the driving force.</source>
        <translation>der Antriebskraft liefert.</translation>
    </message>
    <message>
        <source>      RB   Air Pressure Amplifier Range                                 </source>
        <translation>      RB   Druckverstärker-Baureihe                                       </translation>
    </message>
    <message>
        <source>XPressure outputs up to 310 bar (4500 psi)</source>
        <translation>XAusgangsdrücke bis 310 bar (4500 psi)</translation>
    </message>
    <message>
        <source>      RBW  Air Pressure Amplifier Range                                </source>
        <translation>      RBW  Druckverstärker-Baureihe                                      </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage   3 Sizes</source>
        <translation>XDoppeltwirkend   einstufig   3 Größen</translation>
    </message>
    <message>
        <source>XEfficient means of increasing air pressure</source>
        <translation>XWirksame Erhöhung des Luftdrucks</translation>
    </message>
    <message>
        <source>XPumps twice volume per cycle of RB Range.</source>
        <translation>XDoppeltes Hubvolumen der RB-Baureihe.</translation>
    </message>
    <message>
        <source>      RBZ   Air Pressure Amplifier Range                               </source>
        <translation>      RBZ   Druckverstärker-Baureihe                                     </translation>
    </message>
    <message>
        <source>XTwo Stage Air Amplifier</source>
        <translation>XZweistufiger Druckverstärker</translation>
    </message>
    <message>
        <source>XEfficient means of providing air at</source>
        <translation>XWirksame Bereitstellung von Luft</translation>
    </message>
    <message>
        <source>higher outlet pressures.</source>
        <translation>mit höheren Ausgangsdrücken.</translation>
    </message>
    <message>
        <source>Xcompression ratio per stage is low.</source>
        <translation>XGeringes Verdichtungsverhältnis je Stufe.</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure PLUS</source>
        <translation>    Flächenverh. x Antriebsdruck PLUS</translation>
    </message>
    <message>
        <source>    air inlet pressure x area ratio of the</source>
        <translation>    Eingangsdruck x Flächenverhältnis der</translation>
    </message>
    <message>
        <source>    two pistons.</source>
        <translation>    beiden Kolben.</translation>
    </message>
    <message>
        <source>      8RBW  Air Pressure Amplifier                                    </source>
        <translation>      8RBW  Druckverstärker                                              </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage</source>
        <translation>XDoppeltwirkend   einstufig</translation>
    </message>
    <message>
        <source>X203 mm (8&quot;) drive</source>
        <translation>X203 mm (8&quot;) Antrieb</translation>
    </message>
    <message>
        <source>XZorvik can provide high pressure gauges</source>
        <translation>XZorvik liefert passende</translation>
    </message>
    <message>
        <source>to suit your application.</source>
        <translation>Hochdruckmanometer.</translation>
    </message>
</context>
<context>
    <name>ProductShow</name>
    <message>
        <source>CRB19 Air Pressure Amplifiers</source>
        <translation>CRB19 Druckverstärker</translation>
    </message>
    <message>
        <source>Single acting, single stage, compact</source>
        <translation>Einfachwirkend, einstufig, kompakt</translation>
    </message>
    <message>
        <source>RB Air Pressure Amplifiers</source>
        <translation>RB Druckverstärker</translation>
    </message>
    <message>
        <source>Single acting, single stage</source>
        <translation>Einfachwirkend, einstufig</translation>
    </message>
    <message>
        <source>RBW Air Pressure Amplifiers</source>
        <translation>RBW Druckverstärker</translation>
    </message>
    <message>
        <source>Double acting, single stage</source>
        <translation>Doppeltwirkend, einstufig</translation>
    </message>
    <message>
        <source>4RBW Air Pressure Amplifier</source>
        <translation>4RBW Druckverstärker</translation>
    </message>
    <message>
        <source>Double acting, single stage, high flow</source>
        <translation>Doppeltwirkend, einstufig, hoher Förderstrom</translation>
    </message>
    <message>
        <source>RBZ Two-Stage Air Pressure Amplifiers</source>
        <translation>RBZ Zweistufige Druckverstärker</translation>
    </message>
    <message>
        <source>Two stages for the highest pressures</source>
        <translation>Zwei Stufen für höchste Drücke</translation>
    </message>
    <message>
        <source>8RBW Air Pressure Amplifier</source>
        <translation>8RBW Druckverstärker</translation>
    </message>
    <message>
        <source>Double acting, 203 mm (8&quot;) air drive</source>
        <translation>Doppeltwirkend, Luftantrieb 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>Outlet pressure up to %1 psi (%2 bar)</source>
        <translation>Ausgangsdruck bis %1 psi (%2 bar)</translation>
    </message>
    <message>
        <source>High Pressure Gauges</source>
        <translation>Hochdruckmanometer</translation>
    </message>
    <message>
        <source>Matched to every amplifier in the range</source>
        <translation>Passend zu jedem Verstärker der Baureihe</translation>
    </message>
    <message>
        <source>Glycerine-filled, stainless steel cases</source>
        <translation>Glyzeringefüllt, Gehäuse aus Edelstahl</translation>
    </message>
    <message>
        <source>Dual scales in psi and bar</source>
        <translation>Doppelskala in psi und bar</translation>
    </message>
    <message>
        <source>Air Pressure Amplifiers   -   move the mouse or press a key to return</source>
        <translation>Druckverstärker   -   Maus bewegen oder eine Taste drücken, um zurückzukehren</translation>
    </message>
</context>
<context>
    <name>QtNotices</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>%1 normal litres</source>
        <translation>%1 Normliter</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel is already at the final pressure of %1</source>
        <translation>Nichts zu füllen: Der Behälter hat den Enddruck von %1 bereits erreicht</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel starts at %1, above the final pressure of %2</source>
        <translation>Nichts zu füllen: Der Behälter beginnt bei %1, über dem Enddruck von %2</translation>
    </message>
    <message>
        <source>at the final pressure of %1</source>
        <translation>beim Enddruck von %1</translation>
    </message>
    <message>
        <source>at the outlet pressure of %1</source>
        <translation>beim Ausgangsdruck von %1</translation>
    </message>
    <message>
        <source>at %1, below the final pressure of %2</source>
        <translation>bei %1, unter dem Enddruck von %2</translation>
    </message>
    <message>
        <source>at %1, below the outlet pressure of %2</source>
        <translation>bei %1, unter dem Ausgangsdruck von %2</translation>
    </message>
    <message>
        <source>Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive pressure than the %2 available (at least %3); it stalls %4</source>
        <translation>Fördert nichts: Die Zwischenstufe bleibt stehen, weil ein Eingangsdruck von %1 mehr Antriebsdruck braucht als die verfügbaren %2 (mindestens %3); er bleibt %4 stehen</translation>
    </message>
    <message>
        <source>Delivers no flow: it stalls %1</source>
        <translation>Fördert nichts: Er bleibt %1 stehen</translation>
    </message>
    <message>
        <source>Delivers no flow: a compression ratio of %1 is more than its stroke can compress</source>
        <translation>Fördert nichts: Ein Verdichtungsverhältnis von %1 ist mehr, als sein Hub verdichten kann</translation>
    </message>
    <message>
        <source>%1; %2 is required</source>
        <translation>%1; gefordert sind %2</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3</source>
        <translation>%1 verflüssigt sich beim Enddruck von %2 bei %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3</source>
        <translation>%1 verflüssigt sich beim Ausgangsdruck von %2 bei %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 verflüssigt sich beim Enddruck von %2 bei %3, ab seinem dortigen Dampfdruck von %4</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 verflüssigt sich beim Ausgangsdruck von %2 bei %3, ab seinem dortigen Dampfdruck von %4</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is below this model&apos;s minimum of %2</source>
        <translation>Eingangsdruck %1 liegt unter dem Minimum dieses Modells von %2</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is above this model&apos;s maximum of %2 at this drive pressure</source>
        <translation>Eingangsdruck %1 liegt über dem Maximum dieses Modells von %2 bei diesem Antriebsdruck</translation>
    </message>
    <message>
        <source>Final pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>Enddruck %1 liegt über dem Maximum dieses Modells von %2</translation>
    </message>
    <message>
        <source>Outlet pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>Ausgangsdruck %1 liegt über dem Maximum dieses Modells von %2</translation>
    </message>
    <message>
        <source>Compression ratio %1 is above this model&apos;s maximum of %2</source>
        <translation>Verdichtungsverhältnis %1 liegt über dem Maximum dieses Modells von %2</translation>
    </message>
    <message>
        <source>Boosts its own drive air: the inlet pressure must equal the drive pressure of %1</source>
        <translation>Verdichtet seine eigene Antriebsluft: Der Eingangsdruck muss gleich dem Antriebsdruck von %1 sein</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required on the drive air available</source>
        <translation>Fördert %1, weniger als die geforderten %2 mit der verfügbaren Antriebsluft</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required</source>
        <translation>Fördert %1, weniger als die geforderten %2</translation>
    </message>
    <message>
        <source>Delivers %1 at the final pressure of %2, less than the %3 a charge needs</source>
        <translation>Fördert %1 beim Enddruck von %2, weniger als die %3, die eine Füllung braucht</translation>
    </message>
    <message>
        <source>Would run at %1 cycles/min at the initial pressure, above the %2 allowed</source>
        <translation>Liefe beim Anfangsdruck mit %1 Zyklen/min, über den zulässigen %2</translation>
    </message>
    <message>
        <source>Fill takes longer than %1 minutes for one tenth of the charge</source>
        <translation>Die Füllung dauert für ein Zehntel länger als %1 Minuten</translation>
    </message>
    <message>
        <source>Each tenth of the charge is %1, no more than the %2 the sizing can step</source>
        <translation>Jedes Zehntel der Füllung beträgt %1, nicht mehr als die %2, mit denen die Auslegung rechnen kann</translation>
    </message>
    <message>
        <source>The real-gas count of the vessel fails: %1</source>
        <translation>Die Realgasrechnung des Behälters schlägt fehl: %1</translation>
    </message>
    <message>
        <source>Fill takes %1 minutes, no longer than the %2 minutes the sizing can time</source>
        <translation>Die Füllung dauert %1 Minuten, nicht länger als die %2 Minuten, die die Auslegung erfassen kann</translation>
    </message>
    <message>
        <source>under 0.1 %</source>
        <translation>unter 0,1 %</translation>
    </message>
    <message>
        <source>%1 (a near miss)</source>
        <translation>%1 (knapp verfehlt)</translation>
    </message>
    <message>
        <source>%1 on %2 of drive air</source>
        <translation>%1 mit %2 Antriebsluft</translation>
    </message>
    <message>
        <source>%1 on %2 of the %3 available</source>
        <translation>%1 mit %2 der verfügbaren %3</translation>
    </message>
    <message>
        <source>Meets the duty at %1 of maximum speed</source>
        <translation>Erfüllt die Aufgabe bei %1 der Höchstdrehzahl</translation>
    </message>
    <message>
        <source>Meets the duty delivering %1 at %2 of maximum speed</source>
        <translation>Erfüllt die Aufgabe mit %1 bei %2 der Höchstdrehzahl</translation>
    </message>
    <message>
        <source>%1 (above the %2 advised for continuous duty)</source>
        <translation>%1 (über den für Dauerbetrieb empfohlenen %2)</translation>
    </message>
    <message>
        <source>Delivers %1 flat out, %2 short of the %3 required</source>
        <translation>Fördert bei Volllast %1, %2 weniger als die geforderten %3</translation>
    </message>
    <message>
        <source>%1; it would take more than %2 units in parallel</source>
        <translation>%1; es bräuchte mehr als %2 Geräte parallel</translation>
    </message>
    <message>
        <source>%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together</source>
        <translation>%1; %2 Geräte parallel, jedes bei %3 der Höchstdrehzahl, verbrauchen zusammen %4 Antriebsluft</translation>
    </message>
    <message>
        <source>%1, within the %2 available</source>
        <translation>%1, innerhalb der verfügbaren %2</translation>
    </message>
    <message>
        <source>%1, more than the %2 available</source>
        <translation>%1, mehr als die verfügbaren %2</translation>
    </message>
    <message>
        <source>Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short</source>
        <translation>Braucht %1 Antriebsluft bei %2 der Höchstdrehzahl; den verfügbaren %3 fehlen %4</translation>
    </message>
    <message>
        <source>%1; the list&apos;s method, which runs the amplifier flat out on the air available, leaves it out</source>
        <translation>%1; die Liste rechnet mit Volllast und der verfügbaren Luft und führt ihn deshalb nicht auf</translation>
    </message>
    <message>
        <source>%1; the list leaves it out as it asks for more than exactly the flow required</source>
        <translation>%1; die Liste führt ihn nicht auf, weil sie mehr als genau den geforderten Förderstrom verlangt</translation>
    </message>
    <message>
        <source>Its discharge can reach %1, above the %2 limit</source>
        <translation>Die Austrittstemperatur kann %1 erreichen, über der Grenze von %2</translation>
    </message>
</context>
<context>
    <name>SaturationChart</name>
    <message>
        <source>Saturation lines</source>
        <translation>Sättigungslinien</translation>
    </message>
    <message>
        <source>pressure dewpoint of the air at %1 %2</source>
        <translation>Drucktaupunkt der Luft bei %1 %2</translation>
    </message>
    <message>
        <source>Air temperature, %1</source>
        <translation>Lufttemperatur, %1</translation>
    </message>
    <message>
        <source>Water condenses left of a line</source>
        <translation>Links einer Linie Kondensat</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Fördert</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Antriebsluft</translation>
    </message>
    <message>
        <source>Cycles/min</source>
        <translation>Zyklen/min</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Betriebskosten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 pro Jahr</translation>
    </message>
    <message>
        <source>%1 a fill</source>
        <translation>%1 pro Füllung</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, outlet %4, flow %5</source>
        <translation>Antrieb %1, Luft %2, Eingang %3, Ausgang %4, Durchfluss %5</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, %4 to %5, %6</source>
        <translation>Antrieb %1, Luft %2, Eingang %3, %4 bis %5, %6</translation>
    </message>
    <message>
        <source>equalised to the inlet pressure first</source>
        <translation>zuerst auf den Eingangsdruck angeglichen</translation>
    </message>
    <message>
        <source>no model chosen</source>
        <translation>kein Modell gewählt</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Antriebsdruck</translation>
    </message>
    <message>
        <source>Drive air available</source>
        <translation>Verfügbare Antriebsluft</translation>
    </message>
    <message>
        <source>unlimited (the air available is ignored)</source>
        <translation>unbegrenzt (die verfügbare Luft wird nicht beachtet)</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Gaseingangsdruck</translation>
    </message>
    <message>
        <source>%1, the air drive pressure</source>
        <translation>%1, der Antriebsdruck</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Ausgangsdruck</translation>
    </message>
    <message>
        <source>Required flow</source>
        <translation>Geforderter Förderstrom</translation>
    </message>
    <message>
        <source>any (the flow rate is ignored)</source>
        <translation>beliebig (der Förderstrom wird nicht beachtet)</translation>
    </message>
    <message>
        <source>Initial vessel pressure</source>
        <translation>Anfangsdruck im Behälter</translation>
    </message>
    <message>
        <source>Final vessel pressure</source>
        <translation>Enddruck im Behälter</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Behältervolumen</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gasart</translation>
    </message>
    <message>
        <source>Discharge temperature limit</source>
        <translation>Grenze der Austrittstemperatur</translation>
    </message>
    <message>
        <source>Vessel contents</source>
        <translation>Behälterinhalt</translation>
    </message>
    <message>
        <source>counted with the real-gas model</source>
        <translation>mit dem Realgasmodell gerechnet</translation>
    </message>
    <message>
        <source>counted as an ideal gas</source>
        <translation>als ideales Gas gerechnet</translation>
    </message>
    <message>
        <source>Gas taken from the drive air supply</source>
        <translation>Gas aus der Antriebsluftversorgung</translation>
    </message>
    <message>
        <source>yes, its flow counts in the running cost</source>
        <translation>ja, sein Förderstrom zählt zu den Betriebskosten</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>SelectionLayouts</name>
    <message>
        <source>Fill Time Minutes</source>
        <translation>Füllzeit Minuten</translation>
    </message>
    <message>
        <source>Average Air used n.m3</source>
        <translation>Ø-Verbrauch n.m3</translation>
    </message>
    <message>
        <source>Total Air n.m3</source>
        <translation>Gesamt n.m3</translation>
    </message>
    <message>
        <source>Average Cycles / Min</source>
        <translation>Mittl. Zyklen / Min</translation>
    </message>
    <message>
        <source>Average Air Used Scfm</source>
        <translation>Ø-Verbrauch Scfm</translation>
    </message>
    <message>
        <source>Total Air S.Cu.Ft</source>
        <translation>Luft gesamt S.Cu.Ft</translation>
    </message>
    <message>
        <source>Flow rate nl/min</source>
        <translation>Durchfl. nl/min</translation>
    </message>
    <message>
        <source>Air used n.m3</source>
        <translation>Verbrauch n.m3</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Zyklen / Min</translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Durchfluss Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Verbrauch Scfm</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinders</source>
        <translation>Konstante Druckquelle füllt Behälter oder Flaschen</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Konstante Druckquelle speist kontinuierlichen Prozess</translation>
    </message>
    <message>
        <source>Gas °C</source>
        <translation>Gas °C</translation>
    </message>
    <message>
        <source>Gas °F</source>
        <translation>Gas °F</translation>
    </message>
    <message>
        <source>Limit °C</source>
        <translation>Max. °C</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Max. °F</translation>
    </message>
    <message>
        <source>Change to Imperial &amp;Units</source>
        <translation>Auf US-Einhei&amp;ten</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units</source>
        <translation>Auf metrische Einhei&amp;ten</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Antriebsluft psig</translation>
    </message>
    <message>
        <source>Air Drive barg</source>
        <translation>Antriebsluft barg</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Antriebsluft scfm</translation>
    </message>
    <message>
        <source>Air Drive Flow nl/min</source>
        <translation>Antriebsluft nl/min</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Gaseingang psig</translation>
    </message>
    <message>
        <source>Air / Gas Inlet barg</source>
        <translation>Gaseingang barg</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Durchfluss scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Ausgang psig</translation>
    </message>
    <message>
        <source>Outlet barg</source>
        <translation>Ausgang barg</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Anfang psig</translation>
    </message>
    <message>
        <source>Initial barg</source>
        <translation>Anfang barg</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Ende psig</translation>
    </message>
    <message>
        <source>Final barg</source>
        <translation>Ende barg</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volumen ft.3</translation>
    </message>
    <message>
        <source>Capacity litres</source>
        <translation>Volumen Liter</translation>
    </message>
    <message>
        <source>		Enter data for this type of application</source>
        <translation>		Daten für diese Anwendungsart eingeben</translation>
    </message>
    <message>
        <source>		and click list selections to</source>
        <translation>		und auf Auflisten klicken, um</translation>
    </message>
    <message>
        <source>		display possible options.</source>
        <translation>		die möglichen Modelle anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Model No.</source>
        <translation>Modell Nr.</translation>
    </message>
    <message>
        <source>Flow rate </source>
        <translation>Durchfluss </translation>
    </message>
    <message>
        <source>Air Used </source>
        <translation>Luftverbr. </translation>
    </message>
    <message>
        <source>Cycles / min</source>
        <translation>Zyklen / min</translation>
    </message>
    <message>
        <source>Fill time</source>
        <translation>Füllzeit</translation>
    </message>
    <message>
        <source>Total Air Used</source>
        <translation>Luft gesamt</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continous process</source>
        <translation>Konstante Druckquelle speist kontinuierlichen Prozess</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Konstante Druckquelle füllt Behälter oder Flasche</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>%1 (average)</source>
        <translation>%1 (Mittel)</translation>
    </message>
    <message>
        <source>(average)</source>
        <translation>(Mittel)</translation>
    </message>
    <message>
        <source>Initial outlet</source>
        <translation>Anfangsdruck</translation>
    </message>
    <message>
        <source>Final outlet</source>
        <translation>Enddruck</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Behältervolumen</translation>
    </message>
    <message>
        <source>Air outlet</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Flow required: any (the window ignores it)</source>
        <translation>Durchfluss: beliebig (nicht beachtet)</translation>
    </message>
    <message>
        <source>Flow required</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Air available: not limited</source>
        <translation>Verfügbare Luft: unbegrenzt</translation>
    </message>
    <message>
        <source>Air available</source>
        <translation>Verfügb. Luft</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Zorvik Druckverstärker</translation>
    </message>
    <message>
        <source>Air Amplifier  Selection choices</source>
        <translation>Druckverstärker  Auswahl</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Anwendungsart</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gasart</translation>
    </message>
    <message>
        <source>Inlet conditions</source>
        <translation>Eingangsbedingungen</translation>
    </message>
    <message>
        <source>Outlet conditions</source>
        <translation>Ausgangsbedingungen</translation>
    </message>
    <message>
        <source>Air Drive</source>
        <translation>Antriebsluft</translation>
    </message>
    <message>
        <source>Air Inlet</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Air used figures listed above indicate the drive air volume required</source>
        <translation>Die Luftverbrauchswerte oben geben die benötigte Antriebsluft an.</translation>
    </message>
    <message>
        <source>Add outlet air quantity to obtain total input required.</source>
        <translation>Für den gesamten Luftbedarf die Ausgangsluftmenge hinzurechnen.</translation>
    </message>
</context>
<context>
    <name>TAdjustAirDriveForm</name>
    <message>
        <source>Adjust operating conditions</source>
        <translation>Betriebsbedingungen anpassen</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Max. Antriebsdruck</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to Air drive pressure  (Pa) with this model. Use a common connection for drive and input supply</source>
        <translation>Bei diesem Modell muss der Gaseingangsdruck (Ps) gleich dem Antriebsdruck (Pa) sein. Antrieb und Eingang an einen gemeinsamen Anschluss legen</translation>
    </message>
    <message>
        <source>Min gas inlet pressure</source>
        <translation>Min. Gaseingangsdruck</translation>
    </message>
    <message>
        <source>Max gas inlet pressure</source>
        <translation>Max. Gaseingangsdruck</translation>
    </message>
    <message>
        <source>New air drive pressure will be applied to all graphs displayed</source>
        <translation>Der neue Antriebsdruck gilt für alle angezeigten Diagramme</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Antriebsdruck</translation>
    </message>
    <message>
        <source>Gas inlet pressure will only apply to this model number.</source>
        <translation>Der Gaseingangsdruck gilt nur für dieses Modell.</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Gaseingangsdruck</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Neu zeichnen</translation>
    </message>
</context>
<context>
    <name>TAmplifierSelectionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Selection</source>
        <translation>Zorvik Druckverstärker  -  Auswahl</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Antriebsluft psig</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Antriebsluft scfm</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Gaseingang psig</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Durchfluss scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Ausgang psig</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Anfang psig</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Ende psig</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volumen ft.3</translation>
    </message>
    <message>
        <source> &amp;Inlet pressure equal</source>
        <translation> &amp;Eingangsdruck gleich</translation>
    </message>
    <message>
        <source>to air drive pressure</source>
        <translation>Antriebsdruck</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Konstante Druckquelle speist kontinuierlichen Prozess</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Konstante Druckquelle füllt Behälter oder Flasche</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Fill Cylinder</source>
        <translation>Befüllen</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units </source>
        <translation>Auf metrische Einhei&amp;ten </translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source> 1. Select application type from 
      above choices.
 2. Enter appropriate conditions.
 3. Choose selection options.
 4. Click list sections button.</source>
        <translation> 1. Anwendungsart oben
      auswählen.
 2. Betriebsbedingungen eingeben.
 3. Auswahloptionen wählen.
 4. Auf Auflisten klicken.</translation>
    </message>
    <message>
        <source>Selection Options</source>
        <translation>Auswahloptionen</translation>
    </message>
    <message>
        <source> Ignore air available setting</source>
        <translation> Verfügbare Luft ignorieren</translation>
    </message>
    <message>
        <source> Ignore flow rate setting</source>
        <translation> Durchfluss nicht beachten</translation>
    </message>
    <message>
        <source>Ga&amp;s</source>
        <translation>Ga&amp;s</translation>
    </message>
    <message>
        <source>Gas °F</source>
        <translation>Gas °F</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Max. °F</translation>
    </message>
    <message>
        <source> Real-gas vessel contents</source>
        <translation> Behälterinhalt als Realgas</translation>
    </message>
    <message>
        <source>Model       Number   </source>
        <translation>Modell       Nummer   </translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Durchfluss Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Verbrauch Scfm</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Zyklen / Min</translation>
    </message>
    <message>
        <source>
     Please wait.     Searching for options....</source>
        <translation>
     Bitte warten.     Modelle werden gesucht....</translation>
    </message>
    <message>
        <source>Air used figures displayed above indicate the dive air volume required, add outlet air quantity to obtain total input required</source>
        <translation>Die Luftverbrauchswerte oben geben die benötigte Antriebsluft an; für den gesamten Luftbedarf die Ausgangsluftmenge hinzurechnen</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>&amp;Zeichnung zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>D&amp;rucken</translation>
    </message>
    <message>
        <source>&amp;List Selections</source>
        <translation>&amp;Auflisten</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Anwendungsart</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Ausgewählte Modelle</translation>
    </message>
    <message>
        <source>One row for each model that meets the duty: model, flow rate or fill time, air used, cycles per minute and total air</source>
        <translation>Eine Zeile für jedes Modell, das die Aufgabe erfüllt: Modell, Förderstrom oder Füllzeit, Luftverbrauch, Zyklen pro Minute und Luftbedarf gesamt</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
</context>
<context>
    <name>TZampApplicationsForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Applications and Benefits</source>
        <translation>Zorvik Druckverstärker  -  Anwendungen und Vorteile</translation>
    </message>
    <message>
        <source>Typical Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Why Use Zorvik Air Amplifiers?</source>
        <translation>Warum Zorvik-Druckverstärker?</translation>
    </message>
    <message>
        <source>An air amplifier is the simple alternative to a dedicated high-pressure compressor wherever compressed air is already piped.

It is compact and needs no electrical supply, motor or mechanical drive: it is powered by the air it boosts, so it can stand right at the point of use.

It works in any mounting position.

It needs no foundation and little maintenance.</source>
        <translation>Ein Druckverstärker ist die einfache Alternative zum eigenen Hochdruckverdichter, wo Druckluft schon verlegt ist.

Er ist kompakt und braucht weder Strom noch Motor oder Getriebe: Ihn treibt die Luft, die er verdichtet; er steht direkt am Einsatzort.

Er arbeitet in jeder Einbaulage.

Er braucht kein Fundament und wenig Wartung.</translation>
    </message>
    <message>
        <source>Key Features</source>
        <translation>Wichtigste Merkmale</translation>
    </message>
    <message>
        <source>Variable outlet pressure and flow
No heat, flame or spark risk
No air-line lubrication needed
Long seal life
Wide range of models, controls and options
Standard and custom-built systems</source>
        <translation>Einstellbarer Ausgangsdruck und Durchfluss
Keine Gefahr durch Hitze, Flamme oder Funken
Keine Öler in der Luftleitung nötig
Lange Lebensdauer der Dichtungen
Große Auswahl an Modellen und Optionen
Standard- und Sonderanlagen</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>Typical applications</source>
        <translation>Typische Anwendungen</translation>
    </message>
    <message>
        <source>Six uses of an air amplifier: pressure testing, cylinders and actuators, gas charging, press clamping, air receiver charging and part ejection</source>
        <translation>Sechs Einsatzbereiche eines Druckverstärkers: Druckprüfung, Zylinder und Stellantriebe, Gasfüllung, Spannen an Pressen, Füllen von Druckluftbehältern und Auswerfen von Teilen</translation>
    </message>
    <message>
        <source>Single-stage air amplifier</source>
        <translation>Einstufiger Druckverstärker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Ein Druckverstärker mit Luftantriebsteil und Pumpenteil auf einem gemeinsamen Rahmen</translation>
    </message>
</context>
<context>
    <name>TZampCalcCycleSpeedForm</name>
    <message>
        <source>Calculation of Cycle Speed</source>
        <translation>Berechnung der Zyklusfrequenz</translation>
    </message>
    <message>
        <source>The cycle speed of an amplifier is its outlet flow divided by the free-air volume it displaces in one cycle. That volume is worked out from the piston displacement per cycle (Db) of the model, given in the Model Selection Chart, and from the supply pressure (Ps) at which the pump section fills. The examples below work the volume out in metric and in imperial units.</source>
        <translation>Die Zyklusfrequenz eines Verstärkers ist sein Förderstrom geteilt durch das Ansaugvolumen, das er je Zyklus fördert. Dieses ergibt sich aus dem Hubvolumen je Zyklus (Db) des Modells laut Modelltabelle und aus dem Vordruck (Ps), mit dem sich der Pumpenteil füllt. Die Beispiele unten rechnen es metrisch und in US-Einheiten.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in litres and Ps the supply pressure in bar gauge. Adding 1.0 to Ps and dividing by 1.0 converts the pressure to absolute atmospheres, so the result is in normal litres of free air per cycle; 0.85 is an approximate efficiency factor for the filling and clearance losses of the pump section.
Cycle speed (cycles/min) = outlet flow (normal litres/min) / normal litres per cycle.</source>
        <translation>mit Db = Hubvolumen je Zyklus in Litern und Ps = Vordruck in bar Überdruck. Ps plus 1,0, geteilt durch 1,0, ergibt den Druck in absoluten Atmosphären, das Ergebnis also Normliter Ansaugluft je Zyklus; 0,85 ist ein Näherungswert für die Füll- und Schadraumverluste des Pumpenteils.
Zyklusfrequenz (Zyklen/min) = Förderstrom (Normliter/min) / Normliter je Zyklus.</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in cubic inches (dividing by 1728 gives cubic feet) and Ps the supply pressure in psig. Adding 14.7 to Ps and dividing by 14.7 converts it to absolute atmospheres, so the result is in standard cubic feet per cycle; 0.85 is the same approximate efficiency factor.
Cycle speed (cycles/min) = outlet flow (scfm) / scf per cycle.</source>
        <translation>mit Db = Hubvolumen je Zyklus in Kubikzoll (geteilt durch 1728 ergibt Kubikfuß) und Ps = Vordruck in psig. Ps plus 14,7, geteilt durch 14,7, ergibt absolute Atmosphären, das Ergebnis also Standardkubikfuß je Zyklus; 0,85 ist derselbe Näherungswert.
Zyklusfrequenz (Zyklen/min) = Förderstrom (scfm) / scf je Zyklus.</translation>
    </message>
    <message>
        <source>When the maximum outlet flow required is known, convert it into a cycle speed and compare it with the maximum cycle rate of the model. For continuous duty derate the speed to about 50 % of the maximum and convert that back into a flow: this is the flow to rate the model at. Where one amplifier cannot give the flow at the derated speed, use several units in parallel.

Example: a model with Db = 6.2 cubic inches, at Ps = 100 psig, delivers 6.2/1728 × 114.7/14.7 × 0.85 = 0.0238 scf per cycle. At 50 % of a maximum rate of 95 cycles/min it is rated at 47.5 × 0.0238 = 1.13 scfm, so a continuous demand of 1.5 scfm needs two units in parallel.</source>
        <translation>Ist der höchste benötigte Förderstrom bekannt, rechnet man ihn in eine Zyklusfrequenz um und vergleicht sie mit der Höchstfrequenz des Modells. Für Dauerbetrieb die Frequenz auf etwa 50 % des Maximums senken und wieder in einen Förderstrom umrechnen: Mit diesem wird das Modell ausgelegt. Schafft ein Verstärker das nicht, mehrere Geräte parallel einsetzen.

Beispiel: Ein Modell mit Db = 6,2 Kubikzoll liefert bei Ps = 100 psig 6,2/1728 × 114,7/14,7 × 0,85 = 0,0238 scf je Zyklus. Bei 50 % von höchstens 95 Zyklen/min sind das 47,5 × 0,0238 = 1,13 scfm; ein Dauerbedarf von 1,5 scfm braucht also zwei Geräte parallel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Zyklusfrequenz</translation>
    </message>
    <message>
        <source>Normal litres per cycle</source>
        <translation>Normliter pro Zyklus</translation>
    </message>
    <message>
        <source>Normal litres per cycle = Db x (Ps + 1.0) / 1.0 x 0.85</source>
        <translation>Normliter pro Zyklus = Db x (Ps + 1.0) / 1.0 x 0.85</translation>
    </message>
    <message>
        <source>Example in normal litres</source>
        <translation>Beispiel in Normlitern</translation>
    </message>
    <message>
        <source>Standard cubic feet per cycle</source>
        <translation>Standardkubikfuß pro Zyklus</translation>
    </message>
    <message>
        <source>SCF per cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</source>
        <translation>SCF pro Zyklus = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</translation>
    </message>
    <message>
        <source>Example in standard cubic feet</source>
        <translation>Beispiel in Standardkubikfuß</translation>
    </message>
    <message>
        <source>Rating a model for a flow</source>
        <translation>Ein Modell für einen Förderstrom bemessen</translation>
    </message>
</context>
<context>
    <name>TZampGeneralDescriptionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  General Description</source>
        <translation>Zorvik Druckverstärker  -  Allgemeine Beschreibung</translation>
    </message>
    <message>
        <source>What is A Zorvik Air Pressure Amplifier</source>
        <translation>Was ist ein Zorvik-Druckverstärker?</translation>
    </message>
    <message>
        <source>A Zorvik air pressure amplifier is an air-driven pump that raises the pressure of compressed air or gas. Part of the incoming air supply drives it; no electricity or other power is needed.

The pressure is generated by a differential-area piston: a large air drive piston, driven by air at line pressure, and a smaller pump piston on a common rod. The same force acts on both, so the pressure in the pump section is raised in the ratio of the two areas.

Cycling is automatic. At each end of the stroke the piston opens one of two pilot valves, which pressurises or vents the large end of an unbalanced cycling spool. Air on its small end acts as an air spring, so the spool snaps between its two positions and reverses the drive air; it cannot stop half way.</source>
        <translation>Ein Zorvik-Druckverstärker ist eine luftbetriebene Pumpe, die den Druck von Druckluft oder Gas erhöht. Ein Teil der zugeführten Luft treibt ihn an; Strom oder andere Energie ist nicht nötig.

Den Druck erzeugt ein Stufenkolben: ein großer Antriebskolben mit Luft auf Netzdruck und ein kleinerer Pumpenkolben auf gemeinsamer Stange. Auf beide wirkt dieselbe Kraft, daher steigt der Druck im Pumpenteil im Verhältnis der Flächen.

Die Umsteuerung ist selbsttätig. An jedem Hubende öffnet der Kolben eines von zwei Pilotventilen, das die große Seite eines unsymmetrischen Steuerschiebers belüftet oder entlüftet. Luft auf der kleinen Seite wirkt als Luftfeder: Der Schieber springt zwischen seinen Stellungen um und kehrt die Antriebsluft um; er kann nicht auf halbem Weg stehen bleiben.</translation>
    </message>
    <message>
        <source>The area ratio - air drive piston area to pump piston area - is the dash number of every model code: an RB-15 has an area ratio of 15. With the air drive pressure it sets the maximum outlet pressure. A single-acting RB-15 driven with air at 90 psig (6.2 barg) stalls at 15 × 90 = 1350 psig (93 barg); in double-acting models the supply pressure adds to this. The data sheet of each model gives its exact stall formula.

Seals and bearings are lubrication-free: no oil is needed in the drive air, and none is carried into the boosted gas.</source>
        <translation>Das Flächenverhältnis - Antriebskolben- zu Pumpenkolbenfläche - ist die Zahl nach dem Bindestrich im Modellcode: Ein RB-15 hat das Verhältnis 15. Mit dem Antriebsdruck bestimmt es den maximalen Ausgangsdruck. Ein einfachwirkender RB-15 mit 90 psig (6,2 barg) Antriebsluft bleibt bei 15 × 90 = 1350 psig (93 barg) stehen; bei doppeltwirkenden Modellen kommt der Vordruck hinzu. Das Datenblatt jedes Modells nennt die genaue Formel.

Dichtungen und Lager laufen ohne Schmierung: Die Antriebsluft braucht kein Öl, und ins verdichtete Gas gelangt keines.</translation>
    </message>
    <message>
        <source>The amplifier is completely self-regulating. As the outlet pressure rises the piston slows, and at the maximum outlet pressure the forces on it balance and it stops: the amplifier stalls and holds the pressure without using any air or energy. When the outlet pressure falls, because gas is drawn off or leaks away, it starts cycling again automatically and restores it. No pressure switch or other control is needed.

Double-acting models pump on both strokes, delivering twice the volume per cycle of a single-acting model, and the supply pressure on their pump pistons helps to drive them. Two-stage models reach high pressures efficiently with a low compression ratio per stage. Power sizes range from 1/3 HP to 8 HP.</source>
        <translation>Der Verstärker regelt sich völlig selbst. Mit steigendem Ausgangsdruck wird der Kolben langsamer, beim maximalen Ausgangsdruck sind die Kräfte im Gleichgewicht und er bleibt stehen: Er hält den Druck, ohne Luft oder Energie zu verbrauchen. Sinkt der Ausgangsdruck durch Entnahme oder Leckage, läuft er selbsttätig wieder an und stellt ihn wieder her. Druckschalter oder andere Steuerungen sind nicht nötig.

Doppeltwirkende Modelle fördern in beiden Hubrichtungen, also das doppelte Volumen je Zyklus, und der Vordruck auf ihren Pumpenkolben hilft beim Antrieb. Zweistufige Modelle erreichen hohe Drücke effizient mit geringem Verdichtungsverhältnis je Stufe. Baugrößen von 1/3 PS bis 8 PS.</translation>
    </message>
    <message>
        <source>Zorvik amplifiers are powered and controlled by the air they boost. They need no electrical connections, so they are safe in hazardous areas, and they are small enough to mount on the machine they serve.</source>
        <translation>Zorvik-Verstärker werden von der Luft angetrieben und gesteuert, die sie verdichten. Ohne elektrischen Anschluss sind sie in explosionsgefährdeten Bereichen sicher und klein genug für den Anbau an die Maschine.</translation>
    </message>
    <message>
        <source>&amp;Using Performance Curves</source>
        <translation>&amp;Kennlinien lesen</translation>
    </message>
    <message>
        <source>&amp;Sizing Air Amplifiers</source>
        <translation>Verstärker a&amp;uslegen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Druckverstärker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Ein Druckverstärker mit Luftantriebsteil und Pumpenteil auf einem gemeinsamen Rahmen</translation>
    </message>
    <message>
        <source>Sectional view</source>
        <translation>Schnittbild</translation>
    </message>
    <message>
        <source>A double-acting air amplifier cut open: the large air drive piston and the small pump pistons on one rod</source>
        <translation>Ein aufgeschnittener doppeltwirkender Druckverstärker: der große Antriebskolben und die kleinen Pumpenkolben auf einer gemeinsamen Stange</translation>
    </message>
    <message>
        <source>The area ratio</source>
        <translation>Das Flächenverhältnis</translation>
    </message>
    <message>
        <source>Self-regulation</source>
        <translation>Selbstregelung</translation>
    </message>
    <message>
        <source>Power and control</source>
        <translation>Antrieb und Steuerung</translation>
    </message>
</context>
<context>
    <name>TZampModelSelectionChartForm</name>
    <message>
        <source>Zorvik Air Driven Air Amplifiers - Model Selection Chart</source>
        <translation>Zorvik Druckverstärker - Modelltabelle</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>Max. Inlet Gas Press.</source>
        <translation>Max. Gas-eingangsdr.</translation>
    </message>
    <message>
        <source>Max. Outlet Gas Press.</source>
        <translation>Max. Gas-ausg.dr.</translation>
    </message>
    <message>
        <source>Static Outlet Pressure Formula</source>
        <translation>Formel des statischen Enddrucks</translation>
    </message>
    <message>
        <source>Piston Displ. per Cycle</source>
        <translation>Hub-volumen je Zyklus</translation>
    </message>
    <message>
        <source>Max. Air Drive</source>
        <translation>Max. Antriebs-luft</translation>
    </message>
    <message>
        <source>Drive Size</source>
        <translation>Antriebs-größe</translation>
    </message>
    <message>
        <source>Model Number Codes</source>
        <translation>Aufbau der Modellnummer</translation>
    </message>
    <message>
        <source>RB - single acting, single stage.
RBW - double acting, single stage: gains lift from the inlet gas pressure.
RBZ - two stage, with two pistons of different ratios.
The figure after the dash is the pressure ratio.</source>
        <translation>RB - einfachwirkend, einstufig.
RBW - doppeltwirkend, einstufig: der Gaseingangsdruck hilft mit.
RBZ - zweistufig, zwei Kolbenverhältnisse.
Die Zahl nach dem Bindestrich ist das Druckverhältnis.</translation>
    </message>
    <message>
        <source>• Pa = Air drive pressure
• Ps = Supply Inlet gas pressure</source>
        <translation>• Pa = Antriebsdruck
• Ps = Gaseingangsdruck</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>Model selection chart</source>
        <translation>Modelltabelle</translation>
    </message>
    <message>
        <source>One row for each model: model number, ratio, maximum inlet and outlet gas pressure, static outlet pressure formula, piston displacement per cycle, maximum air drive pressure and drive size</source>
        <translation>Eine Zeile für jedes Modell: Modellnummer, Verhältnis, maximaler Gaseingangs- und Gasausgangsdruck, Formel des statischen Ausgangsdrucks, Hubvolumen je Zyklus, maximaler Antriebsluftdruck und Antriebsgröße</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Formelzeichen</translation>
    </message>
</context>
<context>
    <name>TZampOperationalGuideForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Operational Guidelines</source>
        <translation>Zorvik Druckverstärker  -  Betriebshinweise</translation>
    </message>
    <message>
        <source>Operational Guidelines</source>
        <translation>Betriebshinweise</translation>
    </message>
    <message>
        <source>While Zorvik amplifiers are built to boost compressed air straight from the plant supply, remember that all such air carries moisture. Compressing it again raises the pressure of its water vapour too, and the higher the outlet pressure, the more of it condenses out as water. A little moisture at a moderate pressure</source>
        <translation>Zorvik-Verstärker verdichten Druckluft direkt aus dem Netz, doch diese Luft enthält immer Feuchte. Beim erneuten Verdichten steigt auch der Druck ihres Wasserdampfs, und je höher der Ausgangsdruck, desto mehr kondensiert als Wasser aus. Etwas Feuchte bei mäßigem Druck</translation>
    </message>
    <message>
        <source>level does no harm. But once the boosted air is saturated, water collects in the pump section and the outlet line: it washes the grease from seals and bores, corrodes, and shortens the intervals between services.

For higher pressures, 40 barg or 600 psig for example, dry gases such as nitrogen are the better choice, or the air must be dried before the pump section (see Saturated Air). Where the quality of the delivered gas is critical, use a gas booster, which keeps the drive air completely apart from the gas being boosted.

Fit a filter with an automatic drain ahead of the amplifier, and drain the receiver and the outlet line regularly.</source>
        <translation>schadet nicht. Ist die verdichtete Luft aber gesättigt, sammelt sich Wasser im Pumpenteil und in der Ausgangsleitung: Es wäscht das Fett aus Dichtungen und Bohrungen, korrodiert und verkürzt die Wartungsintervalle.

Für höhere Drücke, etwa 40 barg oder 600 psig, sind trockene Gase wie Stickstoff besser, oder die Luft muss vor dem Pumpenteil getrocknet werden (siehe Gesättigte Luft). Wo die Gasqualität entscheidend ist, einen Gasbooster verwenden, der Antriebsluft und Gas völlig trennt.

Vor dem Verstärker einen Filter mit automatischem Ablass vorsehen und Speicher und Ausgangsleitung regelmäßig entwässern.</translation>
    </message>
    <message>
        <source>Preventing &apos;No Load Runaway&apos;</source>
        <translation>Schutz gegen Durchgehen im Leerlauf</translation>
    </message>
    <message>
        <source>Various manual and automatic controls prevent no-load runaway: an amplifier racing at full speed when its outlet is suddenly opened or a line bursts. See the options in the Dimensions &amp; Graphs window.</source>
        <translation>Handbetätigte und automatische Steuerungen verhindern das Durchgehen: einen Verstärker, der mit voller Drehzahl läuft, wenn sein Ausgang plötzlich offen ist oder eine Leitung platzt. Siehe die Optionen im Fenster Abmessungen &amp; Diagramme.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls. Ask your local office which of them suit your application.</source>
        <translation>Zorvik bietet Systemoptionen wie Druckluftbehälter und Steuerungen an. Fragen Sie Ihre Niederlassung, welche zu Ihrer Anwendung passen.</translation>
    </message>
    <message>
        <source>Maximum cycle rate</source>
        <translation>Höchste Zyklusfrequenz</translation>
    </message>
    <message>
        <source>The maximum cycle rate is a factor of the drive series: each series has its own, set by the size of its air drive and its cycling valves. It is reached where the outlet pressure meets the air drive / supply pressure on the performance graphs, at the left-hand end of each flow curve, where the amplifier works against the least back pressure.

Continuous running at the maximum rate wears the seals quickly. For continuous duty, size the amplifier to run at about 50 % of its maximum cycle rate; intermittent duty may use the full rate. The Calculation of Cycle Speed below shows how to work it out.

A high cycle rate also heats the pump section and the delivered air. Where an amplifier must run for long periods, choose a larger model that does the work at a lower speed, and keep the drive air clean and dry so that the cycling valves stay free.</source>
        <translation>Die höchste Zyklusfrequenz hängt von der Antriebsbaureihe ab: Jede hat ihre eigene, bestimmt durch die Größe von Antrieb und Steuerventilen. Sie wird erreicht, wo der Ausgangsdruck in den Kennlinien den Antriebs- bzw. Vordruck trifft, am linken Ende jeder Kurve, wo der Verstärker gegen den kleinsten Gegendruck arbeitet.

Dauerbetrieb mit Höchstfrequenz verschleißt die Dichtungen schnell. Für Dauerbetrieb den Verstärker auf etwa 50 % seiner Höchstfrequenz auslegen; Aussetzbetrieb darf die volle Frequenz nutzen. Die Berechnung der Zyklusfrequenz unten zeigt den Weg.

Eine hohe Frequenz erwärmt auch Pumpenteil und Luft. Muss ein Verstärker lange laufen, ein größeres Modell mit niedrigerer Drehzahl wählen und die Antriebsluft sauber und trocken halten, damit die Steuerventile frei bleiben.</translation>
    </message>
    <message>
        <source>Other considerations include</source>
        <translation>Außerdem zu beachten</translation>
    </message>
    <message>
        <source>Cycling rate and unloaded operation: an amplifier should not run for long at high speed against little or no load, when it wears without doing useful work.

Size it so that the outlet pressure required is not too small a fraction of its maximum (stall) pressure: a model worked at the bottom of its range runs fast and uses more drive air for each cubic foot delivered. Where less flow is needed, throttle the drive air rather than let the amplifier race.</source>
        <translation>Frequenz und Leerlauf: Ein Verstärker soll nicht lange schnell gegen geringe oder keine Last laufen; er verschleißt dann ohne Nutzen.

So auslegen, dass der nötige Ausgangsdruck kein zu kleiner Teil seines Höchstdrucks (Stillstand) ist: Ein Modell am unteren Ende seines Bereichs läuft schnell und braucht mehr Antriebsluft je gefördertem Kubikfuß. Wird weniger Förderstrom gebraucht, die Antriebsluft drosseln, statt den Verstärker rasen zu lassen.</translation>
    </message>
    <message>
        <source>&amp;Calculation of Cycle Speed</source>
        <translation>Berechnung der &amp;Zyklusfrequenz</translation>
    </message>
    <message>
        <source>&amp;Saturated Air - Some Precautions</source>
        <translation>&amp;Gesättigte Luft - Vorsichtsmaßnahmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in the boosted air</source>
        <translation>Feuchtigkeit in der verdichteten Luft</translation>
    </message>
    <message>
        <source>Double-acting air amplifier</source>
        <translation>Doppeltwirkender Druckverstärker</translation>
    </message>
    <message>
        <source>A double-acting air amplifier with a pump section at each end</source>
        <translation>Ein doppeltwirkender Druckverstärker mit einem Pumpenteil an jedem Ende</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Systemoptionen</translation>
    </message>
</context>
<context>
    <name>TZampSaturatedAirForm</name>
    <message>
        <source>Saturated Air - Some Precautions</source>
        <translation>Gesättigte Luft - Vorsichtsmaßnahmen</translation>
    </message>
    <message>
        <source>All air contains moisture, and compressed air holds the moisture of several volumes of atmospheric air in one. Most pneumatic equipment prefers dry air, and an air amplifier is no exception: it raises the pressure of the water vapour along with that of the air, so the higher it boosts the pressure, the drier the air at its inlet must be</source>
        <translation>Alle Luft enthält Feuchte, und Druckluft trägt die Feuchte mehrerer Volumen Umgebungsluft in einem. Die meisten Druckluftgeräte brauchen trockene Luft, auch der Druckverstärker: Er erhöht mit dem Luftdruck auch den Druck des Wasserdampfs; je höher er verdichtet, desto trockener muss die Luft am Eingang sein,</translation>
    </message>
    <message>
        <source>to stay dry at its outlet. &quot;Dry&quot; is relative: what counts is the dewpoint, the temperature at which the moisture in the air starts to condense at the pressure it is at. Compressing air raises its dewpoint, because the water vapour is compressed with it: air with a pressure dewpoint of 10 °C (50 °F) at 7 barg (100 psig) has a dewpoint of about -18 °C (0 °F) at atmospheric pressure. Always compare pressure dewpoints.

The chart shows saturation lines for air dried to several dewpoints at 7 barg (100 psig). Boosted air stays dry as long as it stays to the right of its line, at a lower pressure or a higher temperature. To the left of it water condenses in the pump section, washes the grease from seals and bores, causes corrosion and is carried into the outlet line.

The lower the dewpoint of the air at the inlet, the higher it can be boosted before water appears: the examples below show how far each kind of dryer goes.</source>
        <translation>um am Ausgang trocken zu bleiben. „Trocken“ ist relativ: Es zählt der Taupunkt, die Temperatur, bei der die Feuchte beim jeweiligen Druck kondensiert. Verdichten hebt den Taupunkt, weil der Wasserdampf mit verdichtet wird: Luft mit 10 °C (50 °F) Drucktaupunkt bei 7 barg (100 psig) hat bei Atmosphärendruck etwa -18 °C (0 °F). Immer Drucktaupunkte vergleichen.

Das Diagramm zeigt Sättigungslinien für Luft, die bei 7 barg (100 psig) auf verschiedene Taupunkte getrocknet ist. Verdichtete Luft bleibt trocken, solange sie rechts ihrer Linie bleibt, bei niedrigerem Druck oder höherer Temperatur. Links davon kondensiert Wasser im Pumpenteil, wäscht das Fett aus Dichtungen und Bohrungen, korrodiert und gelangt in die Ausgangsleitung.

Je tiefer der Taupunkt am Eingang, desto höher lässt sich verdichten, bevor Wasser auftritt: Die Beispiele unten zeigen, wie weit jeder Trockner reicht.</translation>
    </message>
    <message>
        <source>A shop compressor heats the air it compresses; the aftercooler and the receiver cool it again, so the air in the line is usually saturated at about room temperature, and boosting it makes water condense at once. Even very dry air, at 20 °C (68 °F) and only 9 % relative humidity, is saturated when it is raised to about 10 barg (145 psig) and cools back to 20 °C (68 °F). Air that is to be boosted well above the line pressure therefore needs a dryer.</source>
        <translation>Ein Werkstattkompressor erwärmt die Luft; Nachkühler und Behälter kühlen sie wieder ab, sodass die Netzluft meist bei Raumtemperatur gesättigt ist und beim Verdichten sofort Wasser ausfällt. Selbst sehr trockene Luft mit 20 °C (68 °F) und nur 9 % relativer Feuchte ist gesättigt, wenn sie auf etwa 10 barg (145 psig) gebracht wird und auf 20 °C (68 °F) abkühlt. Luft, die weit über den Netzdruck verdichtet werden soll, braucht daher einen Trockner.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 °C (50 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 10 °C (50 °F) can be boosted to about 14 barg (200 psig) without condensation at 20 °C (68 °F): example 1 on the chart. At a higher pressure, or if the pump section runs cooler, water condenses; for higher pressures choose a lower dewpoint. Such a dryer is common on plant air. It suits boosting to about twice the line pressure, but not beyond: above that, fit a dryer with a lower dewpoint or use nitrogen.</source>
        <translation>Kältetrockner, Taupunkt 10 °C (50 °F). Bei 7 barg (100 psig) auf 10 °C (50 °F) Drucktaupunkt getrocknete Luft lässt sich ohne Kondensat bei 20 °C (68 °F) auf etwa 14 barg (200 psig) verdichten: Beispiel 1 im Diagramm. Bei höherem Druck oder kühlerem Pumpenteil kondensiert Wasser; für höhere Drücke einen tieferen Taupunkt wählen. Dieser Trockner ist im Werksnetz üblich und reicht bis etwa zum doppelten Netzdruck, nicht darüber: dann einen Trockner mit tieferem Taupunkt oder Stickstoff verwenden.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 °C (32 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 0 °C (32 °F) can be boosted to just under 30 barg (about 425 psig) without condensation at 20 °C (68 °F): example 2 on the chart. This is about the lowest dewpoint a refrigerated dryer can give, as the condensate would freeze below it. It suits boosting to about four times the line pressure; above that, use a desiccant dryer or nitrogen. Drain the condensate trap of the dryer regularly, or fit an automatic drain.</source>
        <translation>Kältetrockner, Taupunkt 0 °C (32 °F). Bei 7 barg (100 psig) auf 0 °C (32 °F) Drucktaupunkt getrocknete Luft lässt sich ohne Kondensat bei 20 °C (68 °F) auf knapp 30 barg (etwa 425 psig) verdichten: Beispiel 2 im Diagramm. Tiefer kommt ein Kältetrockner kaum, sonst gefriert das Kondensat. Er reicht bis etwa zum vierfachen Netzdruck; darüber einen Adsorptionstrockner oder Stickstoff verwenden. Den Kondensatableiter regelmäßig entleeren oder einen automatischen Ablass einbauen.</translation>
    </message>
    <message>
        <source>Desiccant dryer, about -40 °C (-40 °F) dewpoint. A desiccant dryer on the pump-section inlet only (the drive air needs no drying) gives a pressure dewpoint of about -40 °C (-40 °F). This air can be boosted to over 240 barg (3480 psig) without condensation at 20 °C (68 °F): example 3, beyond the top of the chart. As only the air being boosted is dried, a small dryer will do. Its desiccant must be regenerated or changed at the intervals its maker gives, or the dewpoint rises again and water reaches the pump section after all.</source>
        <translation>Adsorptionstrockner, Taupunkt etwa -40 °C (-40 °F). Ein Adsorptionstrockner nur am Eingang des Pumpenteils (die Antriebsluft braucht keine Trocknung) gibt einen Drucktaupunkt von etwa -40 °C (-40 °F). Diese Luft lässt sich ohne Kondensat bei 20 °C (68 °F) auf über 240 barg (3480 psig) verdichten: Beispiel 3, oberhalb des Diagramms. Da nur die verdichtete Luft getrocknet wird, genügt ein kleiner Trockner. Sein Trockenmittel muss nach Herstellerangabe regeneriert oder gewechselt werden, sonst steigt der Taupunkt wieder.</translation>
    </message>
    <message>
        <source>Using nitrogen. For requirements above 45 barg (650 psig), commercial nitrogen is often the simplest answer: it is dry, clean and inert. It can be boosted from bottles filled to 150 bar (2175 psi), which can then be used until they are nearly empty, or from liquid nitrogen vaporised at about 9 bar (130 psi). The amplifier is still driven by ordinary shop air, which never mixes with the nitrogen. Keep the bottles secured and fit a regulator rated for their full pressure; a manifold lets several bottles feed the amplifier in turn.</source>
        <translation>Stickstoff. Über 45 barg (650 psig) ist handelsüblicher Stickstoff oft die einfachste Lösung: trocken, sauber und inert. Er lässt sich aus Flaschen mit 150 bar (2175 psi) verdichten, die so fast leer genutzt werden, oder aus Flüssigstickstoff, verdampft bei etwa 9 bar (130 psi). Der Verstärker läuft weiter mit normaler Werkstattluft, die sich nie mit dem Stickstoff mischt. Flaschen sichern und einen für ihren vollen Druck zugelassenen Regler setzen; eine Sammelleitung speist mehrere Flaschen nacheinander.</translation>
    </message>
    <message>
        <source>&amp;10°C (50°F) dewpoint dryer</source>
        <translation>Trockner &amp;10°C (50°F)</translation>
    </message>
    <message>
        <source>&amp;0°C (32°F) dewpoint dryer</source>
        <translation>Trockner &amp;0°C (32°F)</translation>
    </message>
    <message>
        <source>&amp;Dessicant Dryer</source>
        <translation>&amp;Adsorptionstrockner</translation>
    </message>
    <message>
        <source>Using &amp;Nitrogen</source>
        <translation>&amp;Stickstoff</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in compressed air</source>
        <translation>Feuchtigkeit in Druckluft</translation>
    </message>
    <message>
        <source>Dewpoint</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Air from a shop compressor</source>
        <translation>Luft aus einem Werkstattkompressor</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Celsius</source>
        <translation>Sättigungslinien in Grad Celsius</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 7 barg: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Drucktaupunkt über der Lufttemperatur für bei 7 barg getrocknete Luft: links einer Linie kondensiert Wasser; die Beispiele 1 bis 3 aus dem Text sind im Diagramm markiert</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Fahrenheit</source>
        <translation>Sättigungslinien in Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 100 psig: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Drucktaupunkt über der Lufttemperatur für bei 100 psig getrocknete Luft: links einer Linie kondensiert Wasser; die Beispiele 1 bis 3 aus dem Text sind im Diagramm markiert</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 degrees Celsius dewpoint</source>
        <translation>Kältetrockner, Taupunkt 10 Grad Celsius</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 degrees Celsius dewpoint</source>
        <translation>Kältetrockner, Taupunkt 0 Grad Celsius</translation>
    </message>
    <message>
        <source>Desiccant dryer</source>
        <translation>Adsorptionstrockner</translation>
    </message>
    <message>
        <source>Using nitrogen</source>
        <translation>Einsatz von Stickstoff</translation>
    </message>
    <message>
        <source>Dryers</source>
        <translation>Trockner</translation>
    </message>
</context>
<context>
    <name>TZampSizingAmplifiersForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Sizing</source>
        <translation>Zorvik Druckverstärker  -  Auslegung</translation>
    </message>
    <message>
        <source>Sizing Air Amplifiers</source>
        <translation>Auslegung von Druckverstärkern</translation>
    </message>
    <message>
        <source>Several factors are involved in sizing an air amplifier correctly. Getting them right first time saves a second purchase.</source>
        <translation>Für die richtige Auslegung zählen mehrere Faktoren. Wer sie gleich richtig wählt, spart einen zweiten Kauf.</translation>
    </message>
    <message>
        <source>Some concern the parameters of the application, others the nature of the application itself.</source>
        <translation>Manche betreffen die Kenngrößen der Anwendung, andere die Art der Anwendung selbst.</translation>
    </message>
    <message>
        <source>Dividing the outlet pressure required by the minimum air drive pressure gives the minimum area ratio, which is the dash number of the model: 1000 psig from an 80 psig drive needs a ratio of at least 12.5, so a -15 model. Allow a margin, as the flow falls to nothing at the maximum pressure; on double-acting models the supply pressure helps.

Where one amplifier cannot give the flow, several can work in parallel; where one ratio cannot reach the pressure, amplifiers can work in series, or a two-stage model does the job. Multipump units combine several amplifiers on one frame with common controls. In series the first amplifier feeds the second, so each works at a lower ratio and together they reach a pressure that neither could reach alone.</source>
        <translation>Der nötige Ausgangsdruck geteilt durch den kleinsten Antriebsdruck ergibt das kleinste Flächenverhältnis, die Zahl nach dem Bindestrich: 1000 psig aus 80 psig Antrieb brauchen mindestens 12,5, also ein Modell -15. Reserve einplanen, da der Förderstrom beim Höchstdruck auf null fällt; bei doppeltwirkenden Modellen hilft der Vordruck.

Reicht ein Verstärker für den Förderstrom nicht, arbeiten mehrere parallel; reicht ein Verhältnis für den Druck nicht, arbeiten Verstärker in Reihe oder ein zweistufiges Modell. Mehrfachpumpen vereinen mehrere Verstärker auf einem Rahmen mit gemeinsamer Steuerung. In Reihe speist der erste den zweiten; jeder arbeitet mit kleinerem Verhältnis, und gemeinsam erreichen sie einen Druck, den keiner allein schafft.</translation>
    </message>
    <message>
        <source>Specfic Parameters Include</source>
        <translation>Wichtige Kenngrößen</translation>
    </message>
    <message>
        <source>What outlet pressure is required? (Po)
What is the minimum air drive pressure available? (Pa)
What is the supply pressure? (Ps; in most cases Pa = Ps)
What flow is required at the outlet pressure? (Q)</source>
        <translation>Welcher Ausgangsdruck ist nötig? (Po)
Welcher kleinste Antriebsdruck steht bereit? (Pa)
Wie hoch ist der Vordruck? (Ps; meist Pa = Ps)
Welcher Förderstrom beim Ausgangsdruck? (Q)</translation>
    </message>
    <message>
        <source>Application Data Includes</source>
        <translation>Angaben zur Anwendung</translation>
    </message>
    <message>
        <source>What is the duty cycle: continuous, or intermittent and how often?
What is the high pressure used for?
    Testing: what is the volume of the vessel or part under test,
    and how soon must the test pressure be reached?
    Part ejection: what volume and pressure does each shot need,
    and how many shots per minute?
    Actuation: cylinder bore and stroke; single or double acting;
    which strokes need the high pressure; how many cycles
    per minute?</source>
        <translation>Betriebsart: Dauerbetrieb oder Aussetzbetrieb, wie oft?
Wofür wird der Hochdruck gebraucht?
    Prüfen: Welches Volumen hat das Prüfteil,
    und wie schnell muss der Prüfdruck erreicht sein?
    Auswerfen: Welches Volumen und welcher Druck je Stoß,
    und wie viele Stöße pro Minute?
    Betätigen: Zylinderbohrung und Hub; einfach- oder
    doppeltwirkend; welche Hübe brauchen Hochdruck;
    wie viele Zyklen pro Minute?</translation>
    </message>
    <message>
        <source>Determination of Flow</source>
        <translation>Bestimmung des Förderstroms</translation>
    </message>
    <message>
        <source>We should verify the flow required from the application data before a model is chosen: the flow that a test vessel, a cylinder or an ejector needs follows from its volume, its pressure and its cycle time, and it is easily under- or over-estimated.

Where the demand is intermittent, an air receiver downstream of the amplifier stores high-pressure air between demands. The amplifier then has to supply only the average flow, so a smaller model will do, and the receiver covers momentary peaks that no amplifier could follow.

As a guide, a vessel takes its volume times the pressure rise in atmospheres of free air, a cylinder its swept volume times its absolute pressure in atmospheres at each stroke, in the time allowed.</source>
        <translation>Vor der Modellwahl den Förderstrom aus den Anwendungsdaten prüfen: Was ein Prüfbehälter, ein Zylinder oder ein Auswerfer braucht, folgt aus Volumen, Druck und Taktzeit und wird leicht unter- oder überschätzt.

Bei Aussetzbetrieb speichert ein Behälter hinter dem Verstärker Hochdruckluft zwischen den Entnahmen. Der Verstärker liefert dann nur den mittleren Förderstrom, ein kleineres Modell genügt, und der Behälter deckt kurze Spitzen, denen kein Verstärker folgen könnte.

Als Anhalt: Ein Behälter braucht sein Volumen mal den Druckanstieg in Atmosphären an Ansaugluft, ein Zylinder je Hub sein Hubvolumen mal den Absolutdruck in Atmosphären, in der verfügbaren Zeit.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls.</source>
        <translation>Zorvik bietet Systemoptionen wie Behälter und Steuerungen an.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Druckverstärker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Ein Druckverstärker mit Luftantriebsteil und Pumpenteil auf einem gemeinsamen Rahmen</translation>
    </message>
    <message>
        <source>Sizing factors</source>
        <translation>Auslegungsfaktoren</translation>
    </message>
    <message>
        <source>Area ratio and several amplifiers</source>
        <translation>Flächenverhältnis und mehrere Druckverstärker</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Systemoptionen</translation>
    </message>
</context>
<context>
    <name>TZampUsingCurvesForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Using Performance Curves</source>
        <translation>Zorvik Druckverstärker  -  Kennlinien lesen</translation>
    </message>
    <message>
        <source>Using Performance Curves</source>
        <translation>Kennlinien lesen</translation>
    </message>
    <message>
        <source>All Zorvik amplifiers are variable-pressure, variable-flow devices. The outlet pressure is set anywhere up to the maximum by regulating the air drive pressure, or, on double-acting models, the supply pressure as well. The flow is reduced by throttling the drive air.

Performance curves are published for every area ratio and power size. Each graph shows the outlet flow (Q) against the outlet pressure (Po) at one air drive pressure (Pa) and one supply pressure (Ps), with lines of constant drive air consumption (QA). The graph beside this text is an example for a double-acting RBW-2.

Values between the published curves can be found by interpolation. For conditions outside them, ask your local Zorvik representative for a performance calculation.

The lower curves of each graph are for lower supply pressures. On every curve the flow is greatest at its left-hand end and falls to nothing at the stall pressure.</source>
        <translation>Alle Zorvik-Verstärker arbeiten mit veränderlichem Druck und Förderstrom. Der Ausgangsdruck wird bis zum Maximum über den Antriebsdruck eingestellt, bei doppeltwirkenden Modellen auch über den Vordruck. Den Förderstrom senkt man durch Drosseln der Antriebsluft.

Für jedes Flächenverhältnis und jede Baugröße gibt es Kennlinien. Jedes Diagramm zeigt den Förderstrom (Q) über dem Ausgangsdruck (Po) bei einem Antriebsdruck (Pa) und einem Vordruck (Ps), mit Linien gleichen Luftverbrauchs (QA). Das Diagramm daneben zeigt einen doppeltwirkenden RBW-2.

Zwischenwerte ergeben sich durch Interpolation. Für andere Bedingungen erstellt Ihre Zorvik-Vertretung eine Leistungsberechnung.

Die unteren Kurven gelten für niedrigere Vordrücke. Auf jeder Kurve ist der Förderstrom links am größten und fällt bis zum Stillstandsdruck auf null.</translation>
    </message>
    <message>
        <source>Note that the flow falls as the outlet pressure rises: the closer the outlet pressure comes to the maximum, the slower the amplifier cycles.

The maximum outlet pressure is the zero-flow stall condition: the forces on the piston balance and the amplifier stops, holding the pressure without using any air.

When the downstream pressure drops, the balance is upset and the amplifier cycles again to restore it, so it also makes up any leakage from a closed system.</source>
        <translation>Der Förderstrom sinkt mit steigendem Ausgangsdruck: Je näher der Ausgangsdruck am Maximum liegt, desto langsamer läuft der Verstärker.

Der maximale Ausgangsdruck ist der Stillstand ohne Förderung: Die Kräfte am Kolben sind im Gleichgewicht, der Verstärker steht und hält den Druck ohne Luftverbrauch.

Fällt der Druck dahinter, ist das Gleichgewicht gestört und der Verstärker läuft wieder an, bis es hergestellt ist; so gleicht er auch Leckverluste eines geschlossenen Systems aus.</translation>
    </message>
    <message>
        <source>To read the curves, find the outlet pressure (Po) on the horizontal axis, go up to the flow curve and read the outlet flow (Q) on the vertical axis; the line of constant air use through that point gives the drive air (QA).

The total air needed is the outlet flow plus the drive air: Q&#xa0;+&#xa0;QA.

Example: with Ps&#xa0;=&#xa0;100&#xa0;psig and Po&#xa0;=&#xa0;170&#xa0;psig the graph gives Q&#xa0;=&#xa0;30&#xa0;scfm and QA&#xa0;=&#xa0;50&#xa0;scfm, so the compressed air supply must provide 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Other points are read the same way.</source>
        <translation>Zum Ablesen den Ausgangsdruck (Po) auf der waagerechten Achse suchen, senkrecht zur Kurve gehen und den Förderstrom (Q) auf der senkrechten Achse ablesen; die Linie gleichen Luftverbrauchs durch diesen Punkt ergibt die Antriebsluft (QA).

Der gesamte Luftbedarf ist Förderstrom plus Antriebsluft: Q&#xa0;+&#xa0;QA.

Beispiel: Mit Ps&#xa0;=&#xa0;100&#xa0;psig und Po&#xa0;=&#xa0;170&#xa0;psig ergibt das Diagramm Q&#xa0;=&#xa0;30&#xa0;scfm und QA&#xa0;=&#xa0;50&#xa0;scfm; das Druckluftnetz muss also 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm liefern.

Andere Punkte liest man ebenso ab.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flow and stall</source>
        <translation>Förderstrom und Stillstand</translation>
    </message>
    <message>
        <source>Reading the curves</source>
        <translation>Kennlinien lesen</translation>
    </message>
</context>
<context>
    <name>TZorvAmpMainForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers</source>
        <translation>Zorvik Druckverstärker</translation>
    </message>
    <message>
        <source>AIR PRESSURE</source>
        <translation>DRUCKLUFT-</translation>
    </message>
    <message>
        <source>AMPLIFIERS</source>
        <translation>VERSTÄRKER</translation>
    </message>
    <message>
        <source>&amp;Zorvik Introduction</source>
        <translation>&amp;Zorvik-Einführung</translation>
    </message>
    <message>
        <source> &amp;Applications &amp;&amp; Benefits</source>
        <translation> &amp;Anwendung &amp;&amp; Nutzen</translation>
    </message>
    <message>
        <source>&amp;General Description</source>
        <translation>B&amp;eschreibung</translation>
    </message>
    <message>
        <source>&amp;Operational Guidelines</source>
        <translation>Betriebs&amp;hinweise</translation>
    </message>
    <message>
        <source>  &amp;Model Selection Chart</source>
        <translation>  &amp;Modelltabelle</translation>
    </message>
    <message>
        <source>&amp;Select an Air Amplifier</source>
        <translation>Verstärker aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Dimensions &amp;&amp; Graphs</source>
        <translation>Maße &amp;&amp; &amp;Diagramme</translation>
    </message>
    <message>
        <source>   &amp;Close</source>
        <translation>   &amp;Beenden</translation>
    </message>
    <message>
        <source>Air amplifier selection and sizing program</source>
        <translation>Auswahl und Auslegung</translation>
    </message>
    <message>
        <source>Performance data: Zorvik Engineering</source>
        <translation>Leistungsdaten: Zorvik Engineering</translation>
    </message>
    <message>
        <source>(c) Zorvik Pneumatics Ltd.</source>
        <translation>(c) Zorvik Pneumatics Ltd.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Product display</source>
        <translation>Produktanzeige</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Titelbild</translation>
    </message>
    <message>
        <source>Zorvik Pneumatic Engineering: air pressure amplifiers, boosters for air and gas, selection and sizing</source>
        <translation>Zorvik Pneumatic Engineering: Druckverstärker, Verstärker für Luft und Gas, Auswahl und Auslegung</translation>
    </message>
    <message>
        <source>Air amplifier emblem</source>
        <translation>Druckverstärker-Symbol</translation>
    </message>
    <message>
        <source>An amplifier with arrows: air in, higher pressure out</source>
        <translation>Ein Verstärker mit Pfeilen: Luft hinein, höherer Druck heraus</translation>
    </message>
</context>
<context>
    <name>TZorvikAmpIntroductionForm</name>
    <message>
        <source>Zorvik Introduction</source>
        <translation>Zorvik-Einführung</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>For more than forty years Zorvik has designed and built air-driven equipment for industry: pumps, valves and pressure amplifiers that run on plant air alone.</source>
        <translation>Seit über vierzig Jahren entwickelt und baut Zorvik luftbetriebene Geräte für die Industrie: Pumpen, Ventile und Druckverstärker, die allein mit Betriebsluft arbeiten.</translation>
    </message>
    <message>
        <source>Our products are made in our own plants in England and Scotland and supported by a worldwide network of offices and distributors.</source>
        <translation>Unsere Produkte entstehen in eigenen Werken in England und Schottland und werden von einem weltweiten Netz aus Niederlassungen und Händlern betreut.</translation>
    </message>
    <message>
        <source>The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact single-acting units to large double-acting and two-stage models.</source>
        <translation>Die Zorvik-Druckverstärker verdichten Luft oder Gas bis 345 bar (5000 psi), von kompakten einfachwirkenden Geräten bis zu großen doppeltwirkenden und zweistufigen Modellen.</translation>
    </message>
    <message>
        <source>Continued investment in modern machining, assembly and test facilities means that every amplifier is pressure-tested before it leaves the factory.</source>
        <translation>Dank ständiger Investitionen in moderne Fertigung, Montage und Prüfstände wird jeder Verstärker vor der Auslieferung druckgeprüft.</translation>
    </message>
    <message>
        <source>Head Office: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</source>
        <translation>Hauptsitz: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</translation>
    </message>
    <message>
        <source>Zorvik Pneumatics</source>
        <translation>Zorvik Pneumatics</translation>
    </message>
    <message>
        <source>The company name</source>
        <translation>Der Firmenname</translation>
    </message>
    <message>
        <source>Worldwide network</source>
        <translation>Weltweites Netz</translation>
    </message>
    <message>
        <source>A world map with the head office in England and regional offices and distributors in the U.S.A., Europe, Asia and Australasia</source>
        <translation>Eine Weltkarte mit dem Hauptsitz in England sowie regionalen Niederlassungen und Vertriebspartnern in den USA, in Europa, Asien und Australasien</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Werk</translation>
    </message>
    <message>
        <source>The Zorvik factory building</source>
        <translation>Das Zorvik-Werksgebäude</translation>
    </message>
    <message>
        <source>About Zorvik</source>
        <translation>Über Zorvik</translation>
    </message>
    <message>
        <source>Office address</source>
        <translation>Adresse der Niederlassung</translation>
    </message>
    <message>
        <source>Head office address</source>
        <translation>Adresse des Hauptsitzes</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>The office whose address is shown and printed on every page</source>
        <translation>Die Niederlassung, deren Adresse auf jeder Seite angezeigt und gedruckt wird</translation>
    </message>
</context>
<context>
    <name>TimageDisplayForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers - Selected Model</source>
        <translation>Zorvik Druckverstärker - Gewähltes Modell</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Die Werte des Diagramms als Tabelle (Ctrl+T)</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabelle</translation>
    </message>
</context>
<context>
    <name>TmodelDataForm</name>
    <message>
        <source>Model Selection Data</source>
        <translation>Modelldaten</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Min air drive pressure</source>
        <translation>Min. Antriebsdruck</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Max. Antriebsdruck</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to</source>
        <translation>Der Gaseingangsdruck (Ps) muss bei diesem</translation>
    </message>
    <message>
        <source>Air drive pressure  (Pa) with this model.</source>
        <translation>Modell gleich dem Antriebsdruck (Pa) sein.</translation>
    </message>
    <message>
        <source>Use a common connection for drive and input supply</source>
        <translation>Antrieb und Eingang an einen gemeinsamen Anschluss legen</translation>
    </message>
    <message>
        <source>Min inlet gas pressure</source>
        <translation>Min. Gaseingangsdruck</translation>
    </message>
    <message>
        <source>Max inlet gas pressure</source>
        <translation>Max. Gaseingangsdruck</translation>
    </message>
    <message>
        <source>Dependent on air drive pressure</source>
        <translation>Abhängig vom Antriebsdruck</translation>
    </message>
    <message>
        <source>Max outlet gas pressure</source>
        <translation>Max. Gasausgangsdruck</translation>
    </message>
    <message>
        <source>Max compression ratio</source>
        <translation>Max. Verdichtungsverhältnis</translation>
    </message>
    <message>
        <source>Piston displacement / cycle</source>
        <translation>Hubvolumen je Zyklus</translation>
    </message>
    <message>
        <source>Stall pressure formula</source>
        <translation>Formel des Stillstandsdrucks</translation>
    </message>
    <message>
        <source>Max inlet gas pressure to avoid Interstage stall</source>
        <translation>Max. Gaseingangsdruck gegen Stillstand der Zwischenstufe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TzampGraph1Form</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Dimensions &amp; Graphs</source>
        <translation>Zorvik Druckverstärker  -  Abmessungen &amp; Diagramme</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>&amp;Zoll zeigen</translation>
    </message>
    <message>
        <source>Show Amplifier</source>
        <translation>Verstärker zeigen</translation>
    </message>
    <message>
        <source>Model Data</source>
        <translation>Modelldaten</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>&amp;Adjust pressure</source>
        <translation>Druck &amp;anpassen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>    Model Type</source>
        <translation>    Bauart</translation>
    </message>
    <message>
        <source>Available Options   (further details will be shown if applicable)</source>
        <translation>Verfügbare Optionen   (weitere Angaben, soweit vorhanden)</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modellnummer</translation>
    </message>
    <message>
        <source>Available options</source>
        <translation>Verfügbare Optionen</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Drive air pressure is too low!</source>
        <translation>Antriebsdruck ist zu niedrig!</translation>
    </message>
    <message>
        <source>Drive air pressure is too high!</source>
        <translation>Antriebsdruck ist zu hoch!</translation>
    </message>
    <message>
        <source>Initial outlet pressure must be less than final outlet pressure!</source>
        <translation>Der Anfangsdruck muss kleiner als der Enddruck sein!</translation>
    </message>
    <message>
        <source>Vessel temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>Die Behältertemperatur muss zwischen -20 und 60 °C (-4 bis 140 °F) liegen!</translation>
    </message>
    <message>
        <source>Final pressure is above the real-gas model&apos;s 700 bar absolute (10138 psig)!</source>
        <translation>Der Enddruck liegt über den 700 bar absolut (10138 psig) des Realgasmodells!</translation>
    </message>
    <message>
        <source>Flow rate cannot be zero!<byte value="xd"/>No Amplifier needed.</source>
        <translation>Der Durchfluss darf nicht null sein!<byte value="xd"/>Kein Verstärker nötig.</translation>
    </message>
    <message>
        <source>Outlet pressure must be greater<byte value="xd"/>than inlet pressure!</source>
        <translation>Der Ausgangsdruck muss größer<byte value="xd"/>als der Eingangsdruck sein!</translation>
    </message>
    <message>
        <source>Gas temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>Die Gastemperatur muss zwischen -20 und 60 °C (-4 bis 140 °F) liegen!</translation>
    </message>
</context>
<context>
    <name>zorvik::ComparisonWindow</name>
    <message>
        <source>Compare Amplifiers</source>
        <translation>Druckverstärker vergleichen</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Stunden im Jahr:</translation>
    </message>
    <message>
        <source>Electricity price per k&amp;Wh:</source>
        <translation>Strompreis je k&amp;Wh:</translation>
    </message>
    <message>
        <source>&amp;Inlet gas from the drive air supply</source>
        <translation>&amp;Eingangsgas aus Antriebsluft</translation>
    </message>
    <message>
        <source>&amp;Model to add:</source>
        <translation>&amp;Modell hinzufügen:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Column</source>
        <translation>Gewählte Spalte entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>Tabelle &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>CSV s&amp;peichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per n.m3/min:</source>
        <translation>&amp;Verdichterleistung, kW je n.m3/min:</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per 100 scfm:</source>
        <translation>&amp;Verdichterleistung, kW je 100 scfm:</translation>
    </message>
    <message>
        <source>The table could not be saved.</source>
        <translation>Die Tabelle konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer could not be started.</source>
        <translation>Der Vergleich konnte nicht gedruckt werden: Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Vergleich speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Vergleichstabelle</translation>
    </message>
    <message>
        <source>Model to add</source>
        <translation>Hinzuzufügendes Modell</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Vergleichsdiagramm</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Diagrammtabelle</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Die Werte des Diagramms als Tabelle (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>zorvik::DataTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Schl&amp;ießen</translation>
    </message>
</context>
<context>
    <name>zorvik::JobHeaderPanel</name>
    <message>
        <source>&amp;Job name:</source>
        <translation>Pro&amp;jektname:</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>K&amp;unde:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referenz:</translation>
    </message>
    <message>
        <source>En&amp;gineer:</source>
        <translation>B&amp;earbeiter:</translation>
    </message>
    <message>
        <source>Revis&amp;ion:</source>
        <translation>Re&amp;vision:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>&amp;Office on the pages:</source>
        <translation>N&amp;iederlassung auf den Seiten:</translation>
    </message>
    <message>
        <source>Running cost of the drive air</source>
        <translation>Betriebskosten der Antriebsluft</translation>
    </message>
    <message>
        <source>Compressor power, &amp;kW per 100 scfm:</source>
        <translation>Verdichterleistung, &amp;kW je 100 scfm:</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Stunden im Jahr:</translation>
    </message>
    <message>
        <source>&amp;Price per kWh:</source>
        <translation>Strom&amp;preis je kWh:</translation>
    </message>
    <message>
        <source>The gas boosted is dri&amp;ve air (its flow counts too)</source>
        <translation>Das verdichtete Gas ist Antriebsluft (sein Strom &amp;zählt mit)</translation>
    </message>
    <message>
        <source>The office chosen in the program</source>
        <translation>Die im Programm gewählte Niederlassung</translation>
    </message>
    <message>
        <source>%1 (not among this program&apos;s offices)</source>
        <translation>%1 (nicht unter den Niederlassungen dieses Programms)</translation>
    </message>
</context>
<context>
    <name>zorvik::JobTableModel</name>
    <message>
        <source>The figures differ from those saved:</source>
        <translation>Die Werte weichen von den gespeicherten ab:</translation>
    </message>
    <message>
        <source>Duty not valid</source>
        <translation>Aufgabe ungültig</translation>
    </message>
    <message>
        <source>Figures changed</source>
        <translation>Werte geändert</translation>
    </message>
    <message>
        <source>No model</source>
        <translation>Kein Modell</translation>
    </message>
    <message>
        <source>Fails the duty</source>
        <translation>Erfüllt die Aufgabe nicht</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Fördert</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Antriebsluft</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Betriebskosten</translation>
    </message>
    <message>
        <source>Change tag</source>
        <translation>Kennung ändern</translation>
    </message>
    <message>
        <source>Change quantity</source>
        <translation>Anzahl ändern</translation>
    </message>
</context>
<context>
    <name>zorvik::JobWindow</name>
    <message>
        <source>Change the job&apos;s details</source>
        <translation>Projektangaben ändern</translation>
    </message>
    <message>
        <source>&amp;Add item</source>
        <translation>Position &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dup&amp;lizieren</translation>
    </message>
    <message>
        <source>&amp;Edit duty...</source>
        <translation>Aufgabe &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit du&amp;ty...</source>
        <translation>Aufgabe bearbei&amp;ten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Nach o&amp;ben</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Na&amp;ch unten</translation>
    </message>
    <message>
        <source>&amp;Submittal...</source>
        <translation>An&amp;gebotsmappe...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Su&amp;bmittal...</source>
        <translation>Angebots&amp;mappe...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Projekt ohne Namen</translation>
    </message>
    <message>
        <source>%1[*] - Job - Zorvik Air Pressure Amplifiers</source>
        <translation>%1[*] - Projekt - Zorvik Druckverstärker</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Position %1</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Position hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>&amp;Keep in job</source>
        <translation>Ins Projekt &amp;übernehmen</translation>
    </message>
    <message>
        <source>Edit duty</source>
        <translation>Aufgabe bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add to job</source>
        <translation>Zum Projekt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved.</source>
        <translation>Das Projekt „%1“ hat Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Zuerst speichern?</translation>
    </message>
    <message>
        <source>The job file %1 cannot be opened.</source>
        <translation>Die Projektdatei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Replace it with this job?</source>
        <translation>Durch dieses Projekt ersetzen?</translation>
    </message>
    <message>
        <source>The job could not be saved in %1.</source>
        <translation>Das Projekt konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Job files (*.zjob)</source>
        <translation>Projektdateien (*.zjob)</translation>
    </message>
    <message>
        <source>Open a job</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Job files (*.zjob);;All files (*)</source>
        <translation>Projektdateien (*.zjob);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>No job opened yet</source>
        <translation>Noch kein Projekt geöffnet</translation>
    </message>
    <message>
        <source>1 item&apos;s figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Die Werte von 1 Position weichen von den gespeicherten ab: siehe „Prüfung“.</translation>
    </message>
    <message>
        <source>%1 items&apos; figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Die Werte von %1 Positionen weichen von den gespeicherten ab: siehe „Prüfung“.</translation>
    </message>
    <message>
        <source>The submittal could not be written.</source>
        <translation>Die Angebotsmappe konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source> submittal</source>
        <translation> Angebotsmappe</translation>
    </message>
    <message>
        <source>Write the submittal</source>
        <translation>Angebotsmappe schreiben</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The job cannot be kept against a crash in %1.</source>
        <translation>Das Projekt kann nicht gegen einen Absturz gesichert werden in %1.</translation>
    </message>
    <message>
        <source>Job items</source>
        <translation>Projektpositionen</translation>
    </message>
    <message>
        <source>Save it under another name?</source>
        <translation>Unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Writing the submittal...</source>
        <translation>Die Angebotsmappe wird geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zorvik::TAdjustAirDriveForm</name>
    <message>
        <source>Air drive pressure is too low!</source>
        <translation>Antriebsdruck ist zu niedrig!</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!</source>
        <translation>Antriebsdruck ist zu hoch!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too low!</source>
        <translation>Gaseingangsdruck ist zu niedrig!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too high!</source>
        <translation>Gaseingangsdruck ist zu hoch!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl</translation>
    </message>
</context>
<context>
    <name>zorvik::TAmplifierSelectionForm</name>
    <message>
        <source>C&amp;ompare...</source>
        <translation>&amp;Vergleichen...</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 bei %2 %3</translation>
    </message>
    <message>
        <source>No selections</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>%1 is not a valid value!</source>
        <translation>%1 ist kein gültiger Wert!</translation>
    </message>
    <message>
        <source>No air amplifier selected...</source>
        <translation>Kein Verstärker ausgewählt...</translation>
    </message>
    <message>
        <source>No air pressure amplifier selected</source>
        <translation>Kein Druckverstärker ausgewählt</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Die Liste</translation>
    </message>
    <message>
        <source>No model is chosen in the list.<byte value="xd"/>Keep the duty in the job without a model?</source>
        <translation>In der Liste ist kein Modell gewählt.<byte value="xd"/>Die Aufgabe ohne Modell ins Projekt übernehmen?</translation>
    </message>
    <message>
        <source>Continuous process</source>
        <translation>Kontinuierlicher Prozess</translation>
    </message>
    <message>
        <source>Chooses the layout for a constant pressure source feeding a continuous process</source>
        <translation>Wählt die Anordnung für eine Konstantdruckquelle, die einen kontinuierlichen Prozess versorgt</translation>
    </message>
    <message>
        <source>Vessel charging</source>
        <translation>Behälterfüllung</translation>
    </message>
    <message>
        <source>Chooses the layout for charging a vessel</source>
        <translation>Wählt die Anordnung zum Füllen eines Behälters</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the vessel on the right</source>
        <translation>%1: Antriebsluft und Gaseingang links, der Behälter rechts</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the outlet on the right</source>
        <translation>%1: Antriebsluft und Gaseingang links, der Ausgang rechts</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampModelSelectionChartForm</name>
    <message>
        <source>The chart</source>
        <translation>Die Tabelle</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampUsingCurvesForm</name>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
<context>
    <name>zorvik::TZorvAmpMainForm</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Loading %1<byte value="xd"/>loading error.</source>
        <translation>Laden von %1<byte value="xd"/>Ladefehler.</translation>
    </message>
    <message>
        <source>The chosen office could not be saved in<byte value="xd"/>%1<byte value="xd"/>It will not be remembered at the next start.</source>
        <translation>Die gewählte Niederlassung konnte nicht gespeichert werden in<byte value="xd"/>%1<byte value="xd"/>Sie wird beim nächsten Start nicht mehr bekannt sein.</translation>
    </message>
    <message>
        <source>&amp;Jobs</source>
        <translation>Pro&amp;jekte</translation>
    </message>
    <message>
        <source>A customer&apos;s duties, kept in a job file and sent as one submittal</source>
        <translation>Die Aufgaben eines Kunden, in einer Projektdatei gesammelt und als eine Angebotsmappe versandt</translation>
    </message>
</context>
<context>
    <name>zorvik::TimageDisplayForm</name>
    <message>
        <source>The data sheet</source>
        <translation>Das Datenblatt</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
<context>
    <name>zorvik::TmodelDataForm</name>
    <message>
        <source>%1 litre</source>
        <translation>%1 Liter</translation>
    </message>
    <message>
        <source>( %1 cu. inch )</source>
        <translation>( %1 cu. inch )</translation>
    </message>
    <message>
        <source>less than %1 x pAir</source>
        <translation>unter %1 x pAir</translation>
    </message>
</context>
<context>
    <name>zorvik::TzampGraph1Form</name>
    <message>
        <source>The data sheet</source>
        <translation>Das Datenblatt</translation>
    </message>
    <message>
        <source>Show &amp;Bar &amp;&amp; l/min</source>
        <translation>In &amp;bar &amp;&amp; l/min</translation>
    </message>
    <message>
        <source>Sho&amp;w Psi &amp;&amp; Scfm</source>
        <translation>In &amp;psi &amp;&amp; scfm</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>&amp;Zeichnung zeigen</translation>
    </message>
    <message>
        <source>S&amp;how mm</source>
        <translation>mm &amp;zeigen</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>&amp;Zoll zeigen</translation>
    </message>
    <message>
        <source>  Single acting</source>
        <translation>  Einfach wirkend</translation>
    </message>
    <message>
        <source>  Single stage</source>
        <translation>  Einstufig</translation>
    </message>
    <message>
        <source>  Double acting</source>
        <translation>  Doppelt wirkend</translation>
    </message>
    <message>
        <source>  Two stage</source>
        <translation>  Zweistufig</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
</TS>
