<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>ChartTable</name>
    <message>
        <source>Inlet %1 %2</source>
        <translation>Inlaat %1 %2</translation>
    </message>
    <message>
        <source>Duty at full speed</source>
        <translation>Taak bij volle snelheid</translation>
    </message>
    <message>
        <source>Charging point %1</source>
        <translation>Vulpunt %1</translation>
    </message>
    <message>
        <source>Performance chart of %1 - %2</source>
        <translation>Prestatiediagram van %1 - %2</translation>
    </message>
    <message>
        <source>Curve or point</source>
        <translation>Kromme of punt</translation>
    </message>
    <message>
        <source>Outlet pressure, %1</source>
        <translation>Uitlaatdruk, %1</translation>
    </message>
    <message>
        <source>Outlet flow, %1</source>
        <translation>Uitlaatdebiet, %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Delivered flow against outlet pressure at %1 drive, %2 inlet</source>
        <translation>Geleverd debiet tegen uitlaatdruk bij aandrijving %1, inlaat %2</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Uitlaatdruk</translation>
    </message>
    <message>
        <source>Delivered flow</source>
        <translation>Geleverd debiet</translation>
    </message>
    <message>
        <source>Required: %1 at %2</source>
        <translation>Gevraagd: %1 bij %2</translation>
    </message>
    <message>
        <source>Vessel pressure against time</source>
        <translation>Vatdruk tegen de tijd</translation>
    </message>
    <message>
        <source>Time, minutes</source>
        <translation>Tijd, minuten</translation>
    </message>
    <message>
        <source>Vessel pressure</source>
        <translation>Vatdruk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Listed by the selection</source>
        <translation>In de selectielijst</translation>
    </message>
    <message>
        <source>No, near miss</source>
        <translation>Nee, net niet</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Debiet</translation>
    </message>
    <message>
        <source>Drive air used</source>
        <translation>Verbruikte aandrijflucht</translation>
    </message>
    <message>
        <source>Total input air (flow + drive air)</source>
        <translation>Totale lucht (debiet + aandrijflucht)</translation>
    </message>
    <message>
        <source>Cycles per minute</source>
        <translation>Cycli per minuut</translation>
    </message>
    <message>
        <source>Speed, % of maximum</source>
        <translation>Snelheid, % van maximum</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Compressieverhouding</translation>
    </message>
    <message>
        <source>Volumetric efficiency, %</source>
        <translation>Volumetrisch rendement, %</translation>
    </message>
    <message>
        <source>Stall pressure at this drive</source>
        <translation>Stilstandsdruk bij deze aandrijving</translation>
    </message>
    <message>
        <source>Margin to maximum outlet</source>
        <translation>Marge tot maximale uitlaat</translation>
    </message>
    <message>
        <source>Cut back to the air available</source>
        <translation>Beperkt tot beschikbare lucht</translation>
    </message>
    <message>
        <source>Flow flat out at this outlet</source>
        <translation>Debiet op vol vermogen bij deze uitlaat</translation>
    </message>
    <message>
        <source>Speed at the duty, % of maximum</source>
        <translation>Snelheid bij de taak, % van maximum</translation>
    </message>
    <message>
        <source>Cycles per minute at the duty</source>
        <translation>Cycli per minuut bij de taak</translation>
    </message>
    <message>
        <source>Above %1 % of maximum speed</source>
        <translation>Boven %1 % van de maximale snelheid</translation>
    </message>
    <message>
        <source>Drive air at the duty</source>
        <translation>Aandrijflucht bij de taak</translation>
    </message>
    <message>
        <source>Units in parallel for the flow</source>
        <translation>Parallelle eenheden voor het debiet</translation>
    </message>
    <message>
        <source>Drive air of those units</source>
        <translation>Aandrijflucht van die eenheden</translation>
    </message>
    <message>
        <source>Total input air at the duty</source>
        <translation>Totale lucht bij de taak</translation>
    </message>
    <message>
        <source>Drive air to spare at the duty</source>
        <translation>Reserve aandrijflucht bij de taak</translation>
    </message>
    <message>
        <source>Energy a year at the duty, kWh</source>
        <translation>Energie per jaar bij de taak, kWh</translation>
    </message>
    <message>
        <source>Cost a year at the duty</source>
        <translation>Kosten per jaar bij de taak</translation>
    </message>
    <message>
        <source>Meets the duty</source>
        <translation>Voldoet aan de taak</translation>
    </message>
    <message>
        <source>Fill time, minutes</source>
        <translation>Vultijd, minuten</translation>
    </message>
    <message>
        <source>Total drive air</source>
        <translation>Totale aandrijflucht</translation>
    </message>
    <message>
        <source>Average drive air</source>
        <translation>Gemiddelde aandrijflucht</translation>
    </message>
    <message>
        <source>Average cycles per minute</source>
        <translation>Gemiddelde cycli per minuut</translation>
    </message>
    <message>
        <source>Energy a fill, kWh</source>
        <translation>Energie per vulling, kWh</translation>
    </message>
    <message>
        <source>Cost a fill</source>
        <translation>Kosten per vulling</translation>
    </message>
    <message>
        <source>%1 kW per n.m3/min</source>
        <translation>%1 kW per n.m3/min</translation>
    </message>
    <message>
        <source>%1 kW per 100 scfm</source>
        <translation>%1 kW per 100 scfm</translation>
    </message>
    <message>
        <source>drive air not limited</source>
        <translation>aandrijflucht onbeperkt</translation>
    </message>
    <message>
        <source>%1 drive air available</source>
        <translation>%1 aandrijflucht beschikbaar</translation>
    </message>
    <message>
        <source>any flow</source>
        <translation>elk debiet</translation>
    </message>
    <message>
        <source>%1 required</source>
        <translation>%1 gevraagd</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh</source>
        <translation>Aandrijving %1, %2, inlaat %3, uitlaat %4, %5.  Kosten: %6, %7 uur per jaar, %8 per kWh</translation>
    </message>
    <message>
        <source>%1, inlet gas from the same air supply</source>
        <translation>%1, inlaatgas uit hetzelfde luchtnet</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 liter</translation>
    </message>
    <message>
        <source>%1 cu ft</source>
        <translation>%1 cu ft</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh</source>
        <translation>Aandrijving %1, %2, inlaat %3, vat van %4 van %5 tot %6.  Kosten: %7, %8 per kWh</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>Delivered %1 flow against outlet pressure at %2 drive, %3 inlet</source>
        <translation>Debiet %1 tegen uitlaatdruk bij %2 aandrijving, %3 inlaat</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Massadebiet</translation>
    </message>
    <message>
        <source>Discharge temperature, upper bound</source>
        <translation>Persgastemperatuur, bovengrens</translation>
    </message>
    <message>
        <source>%1 at %2, </source>
        <translation>%1 bij %2, </translation>
    </message>
    <message>
        <source>, discharge limit %1</source>
        <translation>, grens persgastemperatuur %1</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  Cost: %7, %8 per kWh</source>
        <translation>Aandrijving %1, %2, inlaat %3, vat van %4 van %5 tot %6, inhoud als reëel gas gerekend.  Kosten: %7, %8 per kWh</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source> (no curve)</source>
        <translation> (geen kromme)</translation>
    </message>
</context>
<context>
    <name>ComparisonChartTable</name>
    <message>
        <source>%1 (not listed)</source>
        <translation>%1 (niet vermeld)</translation>
    </message>
    <message>
        <source>%1: %2 against %3, one line for each of %4.</source>
        <translation>%1: %2 tegen %3, één lijn voor elk van %4.</translation>
    </message>
    <message>
        <source> %1 at %2, %3.</source>
        <translation> %1 bij %2, %3.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Enter of Ctrl+T toont de waarden als tabel.</translation>
    </message>
    <message>
        <source>Model or point</source>
        <translation>Model of punt</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>Sorry......<byte value="xd"/>The code for this drawing has not been written yet!</source>
        <translation>Helaas......<byte value="xd"/>Deze tekening is nog niet beschikbaar!</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Air Drive Inlet</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Aandrijflucht in</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port</source>
        <translation>3/8&quot; NPT Inlaat</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Outlet Port</source>
        <translation>3/8&quot; NPT Uitlaat</translation>
    </message>
    <message>
        <source>Air Drive <byte value="xd"/>Inlet</source>
        <translation>Aandrijf-<byte value="xd"/>lucht in</translation>
    </message>
    <message>
        <source>Exhaust Muffler</source>
        <translation>Geluiddemper</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port<byte value="xd"/>3/8 NPT Outlet port (rear side)</source>
        <translation>3/8&quot; NPT Inlaat<byte value="xd"/>3/8 NPT Uitlaat (achter)</translation>
    </message>
    <message>
        <source>Fixings<byte value="xd"/>4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Bevestiging<byte value="xd"/>4 sleuven<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Inlet Port</source>
        <translation>1/4&quot; NPT Inlaat</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Outlet Port</source>
        <translation>1/4&quot; NPT Uitlaat</translation>
    </message>
    <message>
        <source>Exhaust<byte value="xd"/>Muffler</source>
        <translation>Geluid-<byte value="xd"/>demper</translation>
    </message>
    <message>
        <source>Fixings 4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Bevestiging 4 sleuven<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Inlaat</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Uitlaat</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Inlet Port</source>
        <translation>Buis 1/2&quot;<byte value="xd"/>Inlaat</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Outlet Port</source>
        <translation>Buis 1/2&quot;<byte value="xd"/>Uitlaat</translation>
    </message>
    <message>
        <source>Fixings  4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Bevestiging  4 sleuven<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Inlaten<byte value="xd"/>aan elk eind</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Uitlaten<byte value="xd"/>aan elk eind</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Inlaat</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Uitlaat</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>3/4&quot; NPT</source>
        <translation>Aandrijflucht in<byte value="xd"/>3/4&quot; NPT</translation>
    </message>
    <message>
        <source>1&quot; NPT Outlet Port (this side)<byte value="xd"/>1&quot; NPT Inlet Port (rear side)</source>
        <translation>1&quot; NPT Uitlaat (deze kant)<byte value="xd"/>1&quot; NPT Inlaat (achterkant)</translation>
    </message>
    <message>
        <source>Fixings 8 holes<byte value="xd"/>13.5 mm dia (17/32&quot; dia)</source>
        <translation>Bevestiging 8 gaten<byte value="xd"/>Ø 13,5 mm (Ø 17/32&quot;)</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>BOVENAANZICHT</translation>
    </message>
    <message>
        <source>Air Inlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Luchtinlaat <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Air Outlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Luchtuitlaat <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Wall Mounting<byte value="xd"/>4 holes<byte value="xd"/>10 mm dia<byte value="xd"/>(3/8&quot; dia)</source>
        <translation>Wandmontage<byte value="xd"/>4 gaten<byte value="xd"/>Ø 10 mm<byte value="xd"/>(Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Base Mounting 4 holes<byte value="xd"/>10 mm dia (3/8&quot; dia)</source>
        <translation>Vloermontage 4 gaten<byte value="xd"/>Ø 10 mm (Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>1/2&quot; NPT  8.6 bar (125 psi) max</source>
        <translation>Aandrijflucht in<byte value="xd"/>1/2&quot; NPT  max. 8,6 bar (125 psi)</translation>
    </message>
    <message>
        <source>Mounting holes<byte value="xd"/>4 x 10mm (0.39&quot;) dia</source>
        <translation>Bevestigingsgaten<byte value="xd"/>4 x Ø 10 mm (0,39&quot;)</translation>
    </message>
    <message>
        <source>Model 61306 is a complete pneumatic<byte value="xd"/>system designed to provide amplified<byte value="xd"/>pressure and momentary high flow.</source>
        <translation>Model 61306 is een compleet<byte value="xd"/>pneumatisch systeem voor versterkte<byte value="xd"/>druk en kortstondig hoog debiet.</translation>
    </message>
    <message>
        <source>It utilizes available plant air (up to 6.5 bar<byte value="xd"/>95 psi) to both the supply and drive inlets<byte value="xd"/>of the model RBW-2 which automatically<byte value="xd"/>stalls once the storage tank has been<byte value="xd"/>filled to about double the supply pressure.</source>
        <translation>Het gebruikt de fabriekslucht (tot 6,5 bar,<byte value="xd"/>95 psi) voor de inlaat en de aandrijving<byte value="xd"/>van model RBW-2, dat vanzelf stilvalt<byte value="xd"/>zodra het vat tot ongeveer tweemaal<byte value="xd"/>de voedingsdruk is gevuld.</translation>
    </message>
    <message>
        <source>The amplifier will sense any use of air from<byte value="xd"/>the tank, and resume operation again to stall<byte value="xd"/>at about 2 times supply pressure.</source>
        <translation>De versterker merkt elk luchtgebruik<byte value="xd"/>uit het vat en start weer, tot hij bij<byte value="xd"/>ongeveer 2 keer de voedingsdruk stilvalt.</translation>
    </message>
    <message>
        <source>The regulator on the tank output is provided<byte value="xd"/>to control output pressure and flow, up to<byte value="xd"/>about (momentarily) 4.2 Nm3/min 150 scfm.<byte value="xd"/>Also included is an ASME coded safety relief<byte value="xd"/>valve on the tank set at 13.8 bar (200 psi).</source>
        <translation>De regelaar op de uitgang van het vat<byte value="xd"/>regelt druk en debiet, kortstondig tot<byte value="xd"/>ongeveer 4,2 Nm3/min (150 scfm).<byte value="xd"/>Het vat heeft een ASME-veiligheidsklep,<byte value="xd"/>ingesteld op 13,8 bar (200 psi).</translation>
    </message>
</context>
<context>
    <name>DutyNote</name>
    <message>
        <source>%1 (%2 % speed, %3 %4)</source>
        <translation>%1 (%2 % snelheid, %3 %4)</translation>
    </message>
    <message>
        <source>%1 (%2 % speed, %3 of %4 %5)</source>
        <translation>%1 (%2 % snelheid, %3 van %4 %5)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n andere</numerusform>
            <numerusform>%n andere</numerusform>
        </translation>
    </message>
    <message>
        <source>No selections. Nearest model, %1: %2.</source>
        <translation>Geen modellen. Dichtstbijzijnde model, %1: %2.</translation>
    </message>
    <message>
        <source>No selections at full output on the air available; throttled to the flow asked for, these meet the duty: %1.</source>
        <translation>Geen modellen op vol vermogen met de beschikbare lucht; gesmoord tot het gevraagde debiet voldoen deze: %1.</translation>
    </message>
    <message>
        <source>Also meet the duty throttled (the list runs each model flat out on the air available): %1.</source>
        <translation>Voldoen ook gesmoord (de lijst laat elk model vol draaien op de beschikbare lucht): %1.</translation>
    </message>
    <message>
        <source>* Discharge can pass the %1 limit: %2.</source>
        <translation>* Uitlaat kan de grens van %1 overschrijden: %2.</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Null is not valid value</source>
        <translation>Leeg is geen geldige waarde</translation>
    </message>
    <message>
        <source>%1 is not valid value</source>
        <translation>%1 is geen geldige waarde</translation>
    </message>
    <message>
        <source>Initial outlet pressure is lower than supply pressure!<byte value="xd"/>equalise pressures before starting amplifier.</source>
        <translation>De begindruk aan de uitlaat is lager dan de voedingsdruk!<byte value="xd"/>maak de drukken gelijk voordat de versterker start.</translation>
    </message>
    <message>
        <source>%1 is not a gas the program sizes</source>
        <translation>%1 is geen gas waarvoor het programma dimensioneert</translation>
    </message>
</context>
<context>
    <name>Gases</name>
    <message>
        <source>Air</source>
        <translation>Lucht</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stikstof</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Zuurstof</translation>
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
        <translation>Kooldioxide</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Waterstof</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Methaan</translation>
    </message>
    <message>
        <source>Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.</source>
        <translation>Zuurstof: versterker, leidingen en vat moeten voor zuurstof gereinigd en gebouwd zijn. Verhitting door snelle compressie is een ontstekingsbron: open kranen langzaam en houd olie en vet weg.</translation>
    </message>
    <message>
        <source>Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief outlets must vent safely to open air, away from any source of ignition.</source>
        <translation>Waterstof: elk onderdeel dat met het gas in aanraking komt moet van een voor waterstof geschikt materiaal zijn; lek- en afblaasopeningen moeten veilig naar buiten afvoeren, weg van elke ontstekingsbron.</translation>
    </message>
    <message>
        <source>Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.</source>
        <translation>Kooldioxide wordt onder druk bij kamertemperatuur vloeibaar: een uitlaat of vat op of boven de dampdruk bevat vloeistof, die deze berekening niet dekt. Laat het af in een geventileerde ruimte.</translation>
    </message>
    <message>
        <source>%1 bar absolute (%2 psig)</source>
        <translation>%1 bar absoluut (%2 psig)</translation>
    </message>
    <message>
        <source>%1 is solid or liquid at %2 and %3, below its triple point</source>
        <translation>%1 is vast of vloeibaar bij %2 en %3, onder zijn tripelpunt</translation>
    </message>
    <message>
        <source>%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature</source>
        <translation>%1 is vloeibaar of tweefasig bij %2 en %3: bij deze temperatuur wordt het vloeibaar vanaf %4</translation>
    </message>
    <message>
        <source>The real-gas model covers %1 to %2; %3 is outside it</source>
        <translation>Het model voor reëel gas geldt van %1 tot %2; %3 valt erbuiten</translation>
    </message>
    <message>
        <source>The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it</source>
        <translation>Het model voor reëel gas geldt voor absolute drukken boven 0 tot %1; %2 valt erbuiten</translation>
    </message>
    <message>
        <source>The equation of state of %1 gives no gas state at %2 and %3</source>
        <translation>De toestandsvergelijking van %1 geeft bij %2 en %3 geen gastoestand</translation>
    </message>
</context>
<context>
    <name>Gases in a sentence</name>
    <message>
        <source>air</source>
        <translation>lucht</translation>
    </message>
    <message>
        <source>nitrogen</source>
        <translation>stikstof</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>zuurstof</translation>
    </message>
    <message>
        <source>argon</source>
        <translation>argon</translation>
    </message>
    <message>
        <source>helium</source>
        <translation>helium</translation>
    </message>
    <message>
        <source>carbon dioxide</source>
        <translation>kooldioxide</translation>
    </message>
    <message>
        <source>hydrogen</source>
        <translation>waterstof</translation>
    </message>
    <message>
        <source>methane</source>
        <translation>methaan</translation>
    </message>
</context>
<context>
    <name>JobRecovery</name>
    <message>
        <source>a new job, never saved</source>
        <translation>een nieuw project, nooit opgeslagen</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 post</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 posten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2), %3, as it was at %4.</source>
        <translation>‘%1’ (%2), %3, zoals het was op %4.</translation>
    </message>
    <message>
        <source>The program ended without closing while a job had unsaved changes:</source>
        <translation>Het programma is gestopt zonder af te sluiten terwijl een project niet-opgeslagen wijzigingen had:</translation>
    </message>
    <message>
        <source>Restore it?</source>
        <translation>Herstellen?</translation>
    </message>
    <message>
        <source>A job kept against a crash cannot be read; it is kept as</source>
        <translation>Een voor een crash bewaard project kan niet worden gelezen; het blijft bewaard als</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Het bestand kan niet worden geschreven: %1.</translation>
    </message>
    <message>
        <source>The previous file cannot be kept as %1: %2.</source>
        <translation>Het vorige bestand kan niet als %1 worden bewaard: %2.</translation>
    </message>
    <message>
        <source>The file cannot be replaced: %1.</source>
        <translation>Het bestand kan niet worden vervangen: %1.</translation>
    </message>
    <message>
        <source>The file is %1 MiB; a job file is at most %2 MiB.</source>
        <translation>Het bestand is %1 MiB; een projectbestand is hoogstens %2 MiB.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Het bestand kan niet worden geopend: %1.</translation>
    </message>
    <message>
        <source>The file is a folder, not a job file.</source>
        <translation>Dit is een map, geen projectbestand.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Dit is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened.</source>
        <translation>Het bestand is op schijf gewijzigd sinds het werd geopend.</translation>
    </message>
    <message>
        <source>A file of that name exists already.</source>
        <translation>Er bestaat al een bestand met die naam.</translation>
    </message>
    <message>
        <source>A text of the job is not UTF-8, so it cannot be saved.</source>
        <translation>Een tekst van het project is geen UTF-8, dus het kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The job is too large for a job file (at most 16 MiB).</source>
        <translation>Het project is te groot voor een projectbestand (hoogstens 16 MiB).</translation>
    </message>
    <message>
        <source>The job</source>
        <translation>Het project</translation>
    </message>
    <message>
        <source>must be &quot;flow&quot; or &quot;fill&quot;</source>
        <translation>moet &quot;flow&quot; of &quot;fill&quot; zijn</translation>
    </message>
    <message>
        <source>must be &quot;imperial&quot; or &quot;metric&quot;</source>
        <translation>moet &quot;imperial&quot; of &quot;metric&quot; zijn</translation>
    </message>
    <message>
        <source>must be a number or true or false</source>
        <translation>moet een getal of true of false zijn</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Post %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: model %2 is not one of the models 1 to %3.</source>
        <translation>%1: model %2 is niet een van de modellen 1 tot %3.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: it has no &quot;format&quot;: &quot;zorvik-job&quot;.</source>
        <translation>Het bestand is geen Zorvik-projectbestand: het heeft geen &quot;format&quot;: &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: its &quot;format&quot; is %1, not &quot;zorvik-job&quot;.</source>
        <translation>Het bestand is geen Zorvik-projectbestand: het &quot;format&quot; is %1, niet &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>must be a whole number, 1 or more</source>
        <translation>moet een geheel getal van 1 of meer zijn</translation>
    </message>
    <message>
        <source>The file was written by a newer version of the program%1: it is job file version %2, and this version reads version %3.</source>
        <translation>Het bestand is geschreven door een nieuwere versie van het programma%1: het is projectbestandversie %2, en deze versie leest versie %3.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Het bestand</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>moet een lijst zijn</translation>
    </message>
    <message>
        <source>The file nests its values too deeply to be a job file.</source>
        <translation>Het bestand nest zijn waarden te diep voor een projectbestand.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at %1 before its JSON is complete.</source>
        <translation>Het bestand is afgebroken: het eindigt op %1 voordat de JSON compleet is.</translation>
    </message>
    <message>
        <source>The file is not JSON: %1: %2.</source>
        <translation>Het bestand is geen JSON: %1: %2.</translation>
    </message>
    <message>
        <source>The file holds a number too large for the program: %1.</source>
        <translation>Het bestand bevat een getal dat te groot is voor het programma: %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: the byte at %1 is no UTF-8 character.</source>
        <translation>Het bestand is geen UTF-8-tekst: de byte op %1 is geen UTF-8-teken.</translation>
    </message>
    <message>
        <source>%1 must be a JSON object.</source>
        <translation>%1 moet een JSON-object zijn.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>moet een tekst zijn</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>moet true of false zijn</translation>
    </message>
    <message>
        <source>must be a number, 0 or more</source>
        <translation>moet een getal van 0 of meer zijn</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>moet een geheel getal van %1 tot %2 zijn</translation>
    </message>
    <message>
        <source>%1: %2 is not a key this version of the program knows.</source>
        <translation>%1: %2 is een sleutel die deze versie van het programma niet kent.</translation>
    </message>
    <message>
        <source>%1: %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>regel %1, kolom %2</translation>
    </message>
    <message>
        <source>The file is read-only for you.</source>
        <translation>Het bestand is voor u alleen-lezen.</translation>
    </message>
    <message>
        <source>It is not a regular file, so nothing is written there.</source>
        <translation>Het is geen gewoon bestand; daar wordt niets geschreven.</translation>
    </message>
    <message>
        <source>The file is being saved by another program; try again.</source>
        <translation>Het bestand wordt door een ander programma opgeslagen; probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The file is read-only for you; save the job under another name.</source>
        <translation>Het bestand is voor u alleen-lezen; sla het project onder een andere naam op.</translation>
    </message>
    <message>
        <source>must be %1 at the most</source>
        <translation>mag hoogstens %1 zijn</translation>
    </message>
    <message>
        <source>The file names the key %1 twice in one object.</source>
        <translation>Het bestand noemt de sleutel %1 twee keer in één object.</translation>
    </message>
    <message>
        <source>The workbook cannot be made in %1.</source>
        <translation>De werkmap kan niet worden aangemaakt in %1.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 is not installed.</source>
        <translation>Werkmappen kunnen niet worden geschreven: de bibliotheek %1 is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 has no %2.</source>
        <translation>Werkmappen kunnen niet worden geschreven: de bibliotheek %1 heeft geen %2.</translation>
    </message>
</context>
<context>
    <name>ModelSelectionChartPrint</name>
    <message>
        <source>Model
Number</source>
        <translation>Model-
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
toeg.
gas-
inlaat</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Outlet</source>
        <translation>Max.
toeg.
gas-
uitlaat</translation>
    </message>
    <message>
        <source>Static Outlet
Pressure
Formula</source>
        <translation>Formule
statische
uitlaatdruk</translation>
    </message>
    <message>
        <source>Piston
Displ.
Per
Cycle</source>
        <translation>Slag-
volume
per
cyclus</translation>
    </message>
    <message>
        <source>Max.
Air
Drive</source>
        <translation>Max.
aandrijf-
lucht</translation>
    </message>
    <message>
        <source>Drive
Size</source>
        <translation>Aandrijf-
maat</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Zorvik drukversterkers</translation>
    </message>
    <message>
        <source>Air Amplifier  Model Selection Chart</source>
        <translation>Drukversterkers  Modellentabel</translation>
    </message>
    <message>
        <source>Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure</source>
        <translation>Pa = Aandrijfdruk       Ps = Gasinlaatdruk</translation>
    </message>
</context>
<context>
    <name>OptionRows</name>
    <message>
        <source>       -C	Air Controls	1</source>
        <translation>       -C	Luchtbediening	1</translation>
    </message>
    <message>
        <source>61301	Receiver &amp; Controls	6</source>
        <translation>61301	Vat &amp; bediening	6</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	10</source>
        <translation>       -C	Luchtbediening (F-R, manometer &amp; klep)	10</translation>
    </message>
    <message>
        <source>61310	External Pilot Modification	11</source>
        <translation>61310	Ombouw externe sturing	11</translation>
    </message>
    <message>
        <source>61302	No Load Run Away &amp; Regulator	12</source>
        <translation>61302	Onbelast-doorslagbeveiliging &amp; regelaar	12</translation>
    </message>
    <message>
        <source>61311	Extreme Service Cycling Mod	13</source>
        <translation>61311	Schakeling zware dienst	13</translation>
    </message>
    <message>
        <source>61303	Receiver &amp; Controls	14</source>
        <translation>61303	Vat &amp; bediening	14</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	20</source>
        <translation>       -C	Luchtbediening (F-R, manometer &amp; klep)	20</translation>
    </message>
    <message>
        <source>61312	External Pilot Modification	21</source>
        <translation>61312	Ombouw externe sturing	21</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	22</source>
        <translation>  -QP1	Externe sturing &amp; pneumatische schakelaar	22</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	23</source>
        <translation>61313	Elektrische slagenteller	23</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	24</source>
        <translation>61314	Mechanische slagenteller	24</translation>
    </message>
    <message>
        <source>61315	Three Way Cycling Spool	25</source>
        <translation>61315	3-weg-schakelschuif	25</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	26</source>
        <translation>61316	Ombouw enkele slag	26</translation>
    </message>
    <message>
        <source>61317	Extreme Service Cycling Mod	27</source>
        <translation>61317	Schakeling zware dienst	27</translation>
    </message>
    <message>
        <source>61318	Receiver &amp; Controls	30</source>
        <translation>61318	Vat &amp; bediening	30</translation>
    </message>
    <message>
        <source>61304	125 psig Downstream Regulator	31</source>
        <translation>61304	Nageschakelde regelaar 125 psig	31</translation>
    </message>
    <message>
        <source>61304-1	200 psig Downstream Regulator	32</source>
        <translation>61304-1	Nageschakelde regelaar 200 psig	32</translation>
    </message>
    <message>
        <source>61305	Regulator, Air Pilot Switch, &amp; Relief Valve	35</source>
        <translation>61305	Regelaar, pneum. schakelaar &amp; overdrukklep	35</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	40</source>
        <translation>       -C	Luchtbediening (F-R, manometer &amp; klep)	40</translation>
    </message>
    <message>
        <source>61319	External Pilot Modification	41</source>
        <translation>61319	Ombouw externe sturing	41</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	42</source>
        <translation>  -QP1	Externe sturing &amp; pneumatische schakelaar	42</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	43</source>
        <translation>61313	Elektrische slagenteller	43</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	44</source>
        <translation>61314	Mechanische slagenteller	44</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	45</source>
        <translation>61316	Ombouw enkele slag	45</translation>
    </message>
    <message>
        <source>61320	Extreme Service Cycling Mod	46</source>
        <translation>61320	Schakeling zware dienst	46</translation>
    </message>
    <message>
        <source>61307	No Load Run Away Mod	47</source>
        <translation>61307	Onbelast-doorslagbeveiliging	47</translation>
    </message>
    <message>
        <source>61308	No Load Run Away Mod with Air Controls	48</source>
        <translation>61308	Doorslagbeveiliging met luchtbediening	48</translation>
    </message>
    <message>
        <source>61309	Receiver &amp; Controls	49</source>
        <translation>61309	Vat &amp; bediening	49</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>%1 not listed: %2</source>
        <translation>%1 niet vermeld: %2</translation>
    </message>
    <message>
        <source>Amplifier comparison - continuous process</source>
        <translation>Vergelijking van drukversterkers - continu proces</translation>
    </message>
    <message>
        <source>Amplifier comparison - vessel charging</source>
        <translation>Vergelijking van drukversterkers - vullen van vaten</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Gegevensblad</translation>
    </message>
    <message>
        <source>Please contact %1 if you require assistance.</source>
        <translation>Neem voor hulp contact op met %1.</translation>
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
        <translation>Taak: %1 % snelheid, %2 lucht</translation>
    </message>
    <message>
        <source>Air drive pressure  %1</source>
        <translation>Aandrijfdruk  %1</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!<byte value="xd"/>Reset to maximum air drive pressure</source>
        <translation>Aandrijfdruk is te hoog!<byte value="xd"/>Teruggezet op de maximale aandrijfdruk</translation>
    </message>
    <message>
        <source>Outlet pressure   %1</source>
        <translation>Uitlaatdruk   %1</translation>
    </message>
    <message>
        <source>Outlet Flow</source>
        <translation>Debiet</translation>
    </message>
    <message>
        <source>Performance prediction and curves are for guidance only.</source>
        <translation>Prestaties en krommen zijn slechts richtwaarden.</translation>
    </message>
    <message>
        <source>Should certified performance be required please contact factory.</source>
        <translation>Neem voor gecertificeerde prestaties contact op met de fabriek.</translation>
    </message>
    <message>
        <source>= Inlet gas supply  %1</source>
        <translation>= Gasinlaat  %1</translation>
    </message>
    <message>
        <source>Total input air volume required = outlet flow + QA</source>
        <translation>Totale luchtbehoefte = uitlaatdebiet + QA</translation>
    </message>
    <message>
        <source>= Air consumption  %1</source>
        <translation>= Luchtverbruik  %1</translation>
    </message>
    <message>
        <source>Do not use in</source>
        <translation>Niet gebruiken</translation>
    </message>
    <message>
        <source>shaded area.</source>
        <translation>in grijs vlak.</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source> Curves for an inlet gas pressure of %1 down to %2 %3.</source>
        <translation> Krommen voor een gasinlaatdruk van %1 tot %2 %3.</translation>
    </message>
    <message>
        <source> The duty: %1 %2 at %3 at full speed.</source>
        <translation> De taak: %1 %2 bij %3 op volle snelheid.</translation>
    </message>
    <message>
        <source> Charging a vessel from %1 to %2.</source>
        <translation> Vullen van een vat van %1 tot %2.</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Prestatiediagram</translation>
    </message>
    <message>
        <source>Outlet flow in %1 against outlet pressure in %2 of model %3, %4.</source>
        <translation>Uitlaatdebiet in %1 tegen uitlaatdruk in %2 van model %3, %4.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Enter of Ctrl+T toont de waarden als tabel.</translation>
    </message>
    <message>
        <source>Dimension drawing</source>
        <translation>Maattekening</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>Outline of model %1 with its dimensions in %2.</source>
        <translation>Omtrek van model %1 met de maten in %2.</translation>
    </message>
    <message>
        <source>Drawing of the option %1 for model %2.</source>
        <translation>Tekening van de optie %1 voor model %2.</translation>
    </message>
    <message>
        <source>Outline of the option %1 for model %2 with its dimensions in %3.</source>
        <translation>Omtrek van de optie %1 voor model %2 met de maten in %3.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1 could not be printed: the printer could not be started.</source>
        <translation>%1 kon niet worden afgedrukt: de printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>%1 could not be printed: the job could not be handed to the printer.</source>
        <translation>%1 kon niet worden afgedrukt: de opdracht kon niet aan de printer worden doorgegeven.</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>      CRB19   Air Pressure Amplifier Range                               </source>
        <translation>      CRB19   Reeks drukversterkers                                          </translation>
    </message>
    <message>
        <source>XSingle Acting   Single Stage</source>
        <translation>XEnkelwerkend   eentraps</translation>
    </message>
    <message>
        <source>XEconomical means of boosting pressure, where</source>
        <translation>XVoordelige manier om de druk te</translation>
    </message>
    <message>
        <source>volume is small.</source>
        <translation>verhogen bij kleine volumes.</translation>
    </message>
    <message>
        <source>XCompact size</source>
        <translation>XCompact formaat</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is</source>
        <translation>XMaximale uitlaatdruk =</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure.</source>
        <translation>    oppervlakteverh. x aandrijfdruk.</translation>
    </message>
    <message>
        <source>XControl of maximum pressure by means of</source>
        <translation>XMaximale druk in te stellen met</translation>
    </message>
    <message>
        <source>inexpensive air drive pressure regulators.</source>
        <translation>goedkope regelaars van de aandrijflucht.</translation>
    </message>
    <message>
        <source>XHigh output flow Air Pressure Amplifier</source>
        <translation>XDrukversterker met hoog debiet</translation>
    </message>
    <message>
        <source>XPressure outputs up to 20 bar (300 psi)</source>
        <translation>XUitlaatdrukken tot 20 bar (300 psi)</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is area ratio x</source>
        <translation>XMax. uitlaatdruk = oppervlakteverh. x</translation>
    </message>
    <message>
        <source>    drive pressure PLUS supply pressure.</source>
        <translation>    aandrijfdruk PLUS voedingsdruk.</translation>
    </message>
    <message>
        <source>XRequires less air drive since the inlet air</source>
        <translation>XMinder aandrijflucht nodig, omdat de</translation>
    </message>
    <message>
        <source>pressure itself provides a substantial portion</source>
        <translation>inlaatdruk zelf een groot deel van de</translation>
    </message>
    <message>
        <source>of the driving force.</source>
        <translation>aandrijfkracht levert.</translation>
    </message>
    <message>
        <source>      RB   Air Pressure Amplifier Range                                 </source>
        <translation>      RB   Reeks drukversterkers                                            </translation>
    </message>
    <message>
        <source>XPressure outputs up to 310 bar (4500 psi)</source>
        <translation>XUitlaatdrukken tot 310 bar (4500 psi)</translation>
    </message>
    <message>
        <source>      RBW  Air Pressure Amplifier Range                                </source>
        <translation>      RBW  Reeks drukversterkers                                           </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage   3 Sizes</source>
        <translation>XDubbelwerkend   eentraps   3 maten</translation>
    </message>
    <message>
        <source>XEfficient means of increasing air pressure</source>
        <translation>XEfficiënte verhoging van de luchtdruk</translation>
    </message>
    <message>
        <source>XPumps twice volume per cycle of RB Range.</source>
        <translation>XTweemaal het slagvolume van de RB-reeks.</translation>
    </message>
    <message>
        <source>      RBZ   Air Pressure Amplifier Range                               </source>
        <translation>      RBZ   Reeks drukversterkers                                          </translation>
    </message>
    <message>
        <source>XTwo Stage Air Amplifier</source>
        <translation>XTweetraps drukversterker</translation>
    </message>
    <message>
        <source>XEfficient means of providing air at</source>
        <translation>XEfficiënte levering van lucht onder</translation>
    </message>
    <message>
        <source>higher outlet pressures.</source>
        <translation>hogere uitlaatdrukken.</translation>
    </message>
    <message>
        <source>Xcompression ratio per stage is low.</source>
        <translation>XLage compressieverhouding per trap.</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure PLUS</source>
        <translation>    oppervlakteverh. x aandrijfdruk PLUS</translation>
    </message>
    <message>
        <source>    air inlet pressure x area ratio of the</source>
        <translation>    inlaatdruk x oppervlakteverhouding</translation>
    </message>
    <message>
        <source>    two pistons.</source>
        <translation>    van de twee zuigers.</translation>
    </message>
    <message>
        <source>      8RBW  Air Pressure Amplifier                                    </source>
        <translation>      8RBW  Drukversterker                                                </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage</source>
        <translation>XDubbelwerkend   eentraps</translation>
    </message>
    <message>
        <source>X203 mm (8&quot;) drive</source>
        <translation>XAandrijving 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>XZorvik can provide high pressure gauges</source>
        <translation>XZorvik levert hogedrukmanometers</translation>
    </message>
    <message>
        <source>to suit your application.</source>
        <translation>die passen bij uw toepassing.</translation>
    </message>
</context>
<context>
    <name>ProductShow</name>
    <message>
        <source>CRB19 Air Pressure Amplifiers</source>
        <translation>CRB19 drukversterkers</translation>
    </message>
    <message>
        <source>Single acting, single stage, compact</source>
        <translation>Enkelwerkend, eentraps, compact</translation>
    </message>
    <message>
        <source>RB Air Pressure Amplifiers</source>
        <translation>RB drukversterkers</translation>
    </message>
    <message>
        <source>Single acting, single stage</source>
        <translation>Enkelwerkend, eentraps</translation>
    </message>
    <message>
        <source>RBW Air Pressure Amplifiers</source>
        <translation>RBW drukversterkers</translation>
    </message>
    <message>
        <source>Double acting, single stage</source>
        <translation>Dubbelwerkend, eentraps</translation>
    </message>
    <message>
        <source>4RBW Air Pressure Amplifier</source>
        <translation>4RBW drukversterker</translation>
    </message>
    <message>
        <source>Double acting, single stage, high flow</source>
        <translation>Dubbelwerkend, eentraps, hoog debiet</translation>
    </message>
    <message>
        <source>RBZ Two-Stage Air Pressure Amplifiers</source>
        <translation>RBZ tweetraps drukversterkers</translation>
    </message>
    <message>
        <source>Two stages for the highest pressures</source>
        <translation>Twee trappen voor de hoogste drukken</translation>
    </message>
    <message>
        <source>8RBW Air Pressure Amplifier</source>
        <translation>8RBW drukversterker</translation>
    </message>
    <message>
        <source>Double acting, 203 mm (8&quot;) air drive</source>
        <translation>Dubbelwerkend, luchtaandrijving 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>Outlet pressure up to %1 psi (%2 bar)</source>
        <translation>Uitlaatdruk tot %1 psi (%2 bar)</translation>
    </message>
    <message>
        <source>High Pressure Gauges</source>
        <translation>Hogedrukmanometers</translation>
    </message>
    <message>
        <source>Matched to every amplifier in the range</source>
        <translation>Afgestemd op elke versterker uit de reeks</translation>
    </message>
    <message>
        <source>Glycerine-filled, stainless steel cases</source>
        <translation>Glycerinegevuld, roestvrijstalen behuizing</translation>
    </message>
    <message>
        <source>Dual scales in psi and bar</source>
        <translation>Dubbele schaal in psi en bar</translation>
    </message>
    <message>
        <source>Air Pressure Amplifiers   -   move the mouse or press a key to return</source>
        <translation>Drukversterkers   -   beweeg de muis of druk op een toets om terug te gaan</translation>
    </message>
</context>
<context>
    <name>QtNotices</name>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>%1 normal litres</source>
        <translation>%1 normaalliter</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel is already at the final pressure of %1</source>
        <translation>Niets te vullen: het vat staat al op de einddruk van %1</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel starts at %1, above the final pressure of %2</source>
        <translation>Niets te vullen: het vat begint bij %1, boven de einddruk van %2</translation>
    </message>
    <message>
        <source>at the final pressure of %1</source>
        <translation>bij de einddruk van %1</translation>
    </message>
    <message>
        <source>at the outlet pressure of %1</source>
        <translation>bij de uitlaatdruk van %1</translation>
    </message>
    <message>
        <source>at %1, below the final pressure of %2</source>
        <translation>bij %1, onder de einddruk van %2</translation>
    </message>
    <message>
        <source>at %1, below the outlet pressure of %2</source>
        <translation>bij %1, onder de uitlaatdruk van %2</translation>
    </message>
    <message>
        <source>Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive pressure than the %2 available (at least %3); it stalls %4</source>
        <translation>Levert geen debiet: de tussentrap valt stil, omdat een inlaat van %1 meer aandrijfdruk vraagt dan de beschikbare %2 (minstens %3); hij valt stil %4</translation>
    </message>
    <message>
        <source>Delivers no flow: it stalls %1</source>
        <translation>Levert geen debiet: hij valt stil %1</translation>
    </message>
    <message>
        <source>Delivers no flow: a compression ratio of %1 is more than its stroke can compress</source>
        <translation>Levert geen debiet: een compressieverhouding van %1 is meer dan zijn slag kan comprimeren</translation>
    </message>
    <message>
        <source>%1; %2 is required</source>
        <translation>%1; %2 is gevraagd</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3</source>
        <translation>%1 wordt vloeibaar bij de einddruk van %2 bij %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3</source>
        <translation>%1 wordt vloeibaar bij de uitlaatdruk van %2 bij %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 wordt vloeibaar bij de einddruk van %2 bij %3, vanaf zijn dampdruk van %4 daar</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 wordt vloeibaar bij de uitlaatdruk van %2 bij %3, vanaf zijn dampdruk van %4 daar</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is below this model&apos;s minimum of %2</source>
        <translation>Inlaatdruk %1 ligt onder het minimum van dit model, %2</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is above this model&apos;s maximum of %2 at this drive pressure</source>
        <translation>Inlaatdruk %1 ligt boven het maximum van dit model, %2 bij deze aandrijfdruk</translation>
    </message>
    <message>
        <source>Final pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>Einddruk %1 ligt boven het maximum van dit model, %2</translation>
    </message>
    <message>
        <source>Outlet pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>Uitlaatdruk %1 ligt boven het maximum van dit model, %2</translation>
    </message>
    <message>
        <source>Compression ratio %1 is above this model&apos;s maximum of %2</source>
        <translation>Compressieverhouding %1 ligt boven het maximum van dit model, %2</translation>
    </message>
    <message>
        <source>Boosts its own drive air: the inlet pressure must equal the drive pressure of %1</source>
        <translation>Versterkt zijn eigen aandrijflucht: de inlaatdruk moet gelijk zijn aan de aandrijfdruk van %1</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required on the drive air available</source>
        <translation>Levert %1, minder dan de gevraagde %2 met de beschikbare aandrijflucht</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required</source>
        <translation>Levert %1, minder dan de gevraagde %2</translation>
    </message>
    <message>
        <source>Delivers %1 at the final pressure of %2, less than the %3 a charge needs</source>
        <translation>Levert %1 bij de einddruk van %2, minder dan de %3 die een vulling vraagt</translation>
    </message>
    <message>
        <source>Would run at %1 cycles/min at the initial pressure, above the %2 allowed</source>
        <translation>Zou bij de begindruk %1 cycli/min draaien, boven de toegestane %2</translation>
    </message>
    <message>
        <source>Fill takes longer than %1 minutes for one tenth of the charge</source>
        <translation>Het vullen duurt langer dan %1 minuten voor een tiende van de vulling</translation>
    </message>
    <message>
        <source>Each tenth of the charge is %1, no more than the %2 the sizing can step</source>
        <translation>Elk tiende deel van de vulling is %1, niet meer dan de %2 die de berekening aankan</translation>
    </message>
    <message>
        <source>The real-gas count of the vessel fails: %1</source>
        <translation>De berekening van het vat als reëel gas mislukt: %1</translation>
    </message>
    <message>
        <source>Fill takes %1 minutes, no longer than the %2 minutes the sizing can time</source>
        <translation>Het vullen duurt %1 minuten, niet langer dan de %2 minuten die de berekening kan meten</translation>
    </message>
    <message>
        <source>under 0.1 %</source>
        <translation>minder dan 0,1 %</translation>
    </message>
    <message>
        <source>%1 (a near miss)</source>
        <translation>%1 (net niet)</translation>
    </message>
    <message>
        <source>%1 on %2 of drive air</source>
        <translation>%1 met %2 aandrijflucht</translation>
    </message>
    <message>
        <source>%1 on %2 of the %3 available</source>
        <translation>%1 met %2 van de beschikbare %3</translation>
    </message>
    <message>
        <source>Meets the duty at %1 of maximum speed</source>
        <translation>Voldoet aan de taak bij %1 van de maximale snelheid</translation>
    </message>
    <message>
        <source>Meets the duty delivering %1 at %2 of maximum speed</source>
        <translation>Voldoet aan de taak met %1 bij %2 van de maximale snelheid</translation>
    </message>
    <message>
        <source>%1 (above the %2 advised for continuous duty)</source>
        <translation>%1 (boven de %2 die voor continubedrijf wordt aangeraden)</translation>
    </message>
    <message>
        <source>Delivers %1 flat out, %2 short of the %3 required</source>
        <translation>Levert op vol vermogen %1, %2 minder dan de gevraagde %3</translation>
    </message>
    <message>
        <source>%1; it would take more than %2 units in parallel</source>
        <translation>%1; er zouden meer dan %2 eenheden parallel nodig zijn</translation>
    </message>
    <message>
        <source>%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together</source>
        <translation>%1; %2 eenheden parallel, elk op %3 van de maximale snelheid, gebruiken samen %4 aandrijflucht</translation>
    </message>
    <message>
        <source>%1, within the %2 available</source>
        <translation>%1, binnen de beschikbare %2</translation>
    </message>
    <message>
        <source>%1, more than the %2 available</source>
        <translation>%1, meer dan de beschikbare %2</translation>
    </message>
    <message>
        <source>Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short</source>
        <translation>Vraagt %1 aandrijflucht bij %2 van de maximale snelheid; de beschikbare %3 komt %4 tekort</translation>
    </message>
    <message>
        <source>%1; the list&apos;s method, which runs the amplifier flat out on the air available, leaves it out</source>
        <translation>%1; de lijst, die de versterker vol laat draaien op de beschikbare lucht, laat hem weg</translation>
    </message>
    <message>
        <source>%1; the list leaves it out as it asks for more than exactly the flow required</source>
        <translation>%1; de lijst laat hem weg omdat ze meer vraagt dan precies het gevraagde debiet</translation>
    </message>
    <message>
        <source>Its discharge can reach %1, above the %2 limit</source>
        <translation>Het persgas kan %1 bereiken, boven de grens van %2</translation>
    </message>
</context>
<context>
    <name>SaturationChart</name>
    <message>
        <source>Saturation lines</source>
        <translation>Verzadigingslijnen</translation>
    </message>
    <message>
        <source>pressure dewpoint of the air at %1 %2</source>
        <translation>drukdauwpunt van de lucht bij %1 %2</translation>
    </message>
    <message>
        <source>Air temperature, %1</source>
        <translation>Luchttemperatuur, %1</translation>
    </message>
    <message>
        <source>Water condenses left of a line</source>
        <translation>Links van lijn: water</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Tag</source>
        <translation>Kenmerk</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Aant.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Taak</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Levert</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aandrijflucht</translation>
    </message>
    <message>
        <source>Cycles/min</source>
        <translation>Cycli/min</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Bedrijfskosten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 per jaar</translation>
    </message>
    <message>
        <source>%1 a fill</source>
        <translation>%1 per vulling</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>vullen</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>debiet</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>onbeperkt</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, outlet %4, flow %5</source>
        <translation>aandrijving %1, lucht %2, inlaat %3, uitlaat %4, debiet %5</translation>
    </message>
    <message>
        <source>any</source>
        <translation>elk</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, %4 to %5, %6</source>
        <translation>aandrijving %1, lucht %2, inlaat %3, %4 tot %5, %6</translation>
    </message>
    <message>
        <source>equalised to the inlet pressure first</source>
        <translation>eerst gelijkgemaakt aan de inlaatdruk</translation>
    </message>
    <message>
        <source>no model chosen</source>
        <translation>geen model gekozen</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Aandrijfdruk</translation>
    </message>
    <message>
        <source>Drive air available</source>
        <translation>Beschikbare aandrijflucht</translation>
    </message>
    <message>
        <source>unlimited (the air available is ignored)</source>
        <translation>onbeperkt (de beschikbare lucht wordt genegeerd)</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Gasinlaatdruk</translation>
    </message>
    <message>
        <source>%1, the air drive pressure</source>
        <translation>%1, de aandrijfdruk</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Uitlaatdruk</translation>
    </message>
    <message>
        <source>Required flow</source>
        <translation>Gevraagd debiet</translation>
    </message>
    <message>
        <source>any (the flow rate is ignored)</source>
        <translation>willekeurig (het debiet wordt genegeerd)</translation>
    </message>
    <message>
        <source>Initial vessel pressure</source>
        <translation>Begindruk van het vat</translation>
    </message>
    <message>
        <source>Final vessel pressure</source>
        <translation>Einddruk van het vat</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Vatinhoud</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bij %2</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Te comprimeren gas</translation>
    </message>
    <message>
        <source>Discharge temperature limit</source>
        <translation>Grens van de perstemperatuur</translation>
    </message>
    <message>
        <source>Vessel contents</source>
        <translation>Inhoud van het vat</translation>
    </message>
    <message>
        <source>counted with the real-gas model</source>
        <translation>berekend met het reëlegasmodel</translation>
    </message>
    <message>
        <source>counted as an ideal gas</source>
        <translation>berekend als ideaal gas</translation>
    </message>
    <message>
        <source>Gas taken from the drive air supply</source>
        <translation>Gas uit de aandrijfluchttoevoer</translation>
    </message>
    <message>
        <source>yes, its flow counts in the running cost</source>
        <translation>ja, het debiet telt mee in de bedrijfskosten</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
</context>
<context>
    <name>SelectionLayouts</name>
    <message>
        <source>Fill Time Minutes</source>
        <translation>Vultijd minuten</translation>
    </message>
    <message>
        <source>Average Air used n.m3</source>
        <translation>Gem. lucht n.m3</translation>
    </message>
    <message>
        <source>Total Air n.m3</source>
        <translation>Totale lucht n.m3</translation>
    </message>
    <message>
        <source>Average Cycles / Min</source>
        <translation>Gem. cycli / min</translation>
    </message>
    <message>
        <source>Average Air Used Scfm</source>
        <translation>Gem. lucht Scfm</translation>
    </message>
    <message>
        <source>Total Air S.Cu.Ft</source>
        <translation>Totale lucht S.Cu.Ft</translation>
    </message>
    <message>
        <source>Flow rate nl/min</source>
        <translation>Debiet nl/min</translation>
    </message>
    <message>
        <source>Air used n.m3</source>
        <translation>Verbruik n.m3</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cycli / min</translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Debiet Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Verbruik Scfm</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinders</source>
        <translation>Bron met constante druk vult vaten of cilinders</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Bron met constante druk voedt een continu proces</translation>
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
        <translation>Grens °C</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Grens °F</translation>
    </message>
    <message>
        <source>Change to Imperial &amp;Units</source>
        <translation>Engelse &amp;eenheden</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units</source>
        <translation>Metrische &amp;eenheden</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aandrijflucht psig</translation>
    </message>
    <message>
        <source>Air Drive barg</source>
        <translation>Aandrijflucht barg</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aandrijfdebiet scfm</translation>
    </message>
    <message>
        <source>Air Drive Flow nl/min</source>
        <translation>Aandrijfdebiet nl/min</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Inlaat lucht/gas psig</translation>
    </message>
    <message>
        <source>Air / Gas Inlet barg</source>
        <translation>Inlaat lucht/gas barg</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Debiet scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Uitlaat psig</translation>
    </message>
    <message>
        <source>Outlet barg</source>
        <translation>Uitlaat barg</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Begin psig</translation>
    </message>
    <message>
        <source>Initial barg</source>
        <translation>Begin barg</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Eind psig</translation>
    </message>
    <message>
        <source>Final barg</source>
        <translation>Eind barg</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Inhoud ft.3</translation>
    </message>
    <message>
        <source>Capacity litres</source>
        <translation>Inhoud liter</translation>
    </message>
    <message>
        <source>		Enter data for this type of application</source>
        <translation>		Voer de gegevens voor deze toepassing in</translation>
    </message>
    <message>
        <source>		and click list selections to</source>
        <translation>		en klik op Modellen tonen om de</translation>
    </message>
    <message>
        <source>		display possible options.</source>
        <translation>		mogelijke modellen te zien.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Model No.</source>
        <translation>Model nr.</translation>
    </message>
    <message>
        <source>Flow rate </source>
        <translation>Debiet </translation>
    </message>
    <message>
        <source>Air Used </source>
        <translation>Luchtverbr. </translation>
    </message>
    <message>
        <source>Cycles / min</source>
        <translation>Cycli / min</translation>
    </message>
    <message>
        <source>Fill time</source>
        <translation>Vultijd</translation>
    </message>
    <message>
        <source>Total Air Used</source>
        <translation>Totale lucht</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continous process</source>
        <translation>Bron met constante druk voedt een continu proces</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Bron met constante druk vult een vat of cilinder</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>%1 (average)</source>
        <translation>%1 (gem.)</translation>
    </message>
    <message>
        <source>(average)</source>
        <translation>(gem.)</translation>
    </message>
    <message>
        <source>Initial outlet</source>
        <translation>Begindruk</translation>
    </message>
    <message>
        <source>Final outlet</source>
        <translation>Einddruk</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Vatinhoud</translation>
    </message>
    <message>
        <source>Air outlet</source>
        <translation>Uitlaat</translation>
    </message>
    <message>
        <source>Flow required: any (the window ignores it)</source>
        <translation>Gevraagd debiet: elk (genegeerd)</translation>
    </message>
    <message>
        <source>Flow required</source>
        <translation>Gevraagd debiet</translation>
    </message>
    <message>
        <source>Air available: not limited</source>
        <translation>Beschikbare lucht: onbeperkt</translation>
    </message>
    <message>
        <source>Air available</source>
        <translation>Beschikb. lucht</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Zorvik drukversterkers</translation>
    </message>
    <message>
        <source>Air Amplifier  Selection choices</source>
        <translation>Drukversterkers  Selectie</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Soort toepassing</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gassoort</translation>
    </message>
    <message>
        <source>Inlet conditions</source>
        <translation>Inlaatcondities</translation>
    </message>
    <message>
        <source>Outlet conditions</source>
        <translation>Uitlaatcondities</translation>
    </message>
    <message>
        <source>Air Drive</source>
        <translation>Aandrijflucht</translation>
    </message>
    <message>
        <source>Air Inlet</source>
        <translation>Inlaat</translation>
    </message>
    <message>
        <source>Air used figures listed above indicate the drive air volume required</source>
        <translation>Het luchtverbruik hierboven is de benodigde aandrijflucht.</translation>
    </message>
    <message>
        <source>Add outlet air quantity to obtain total input required.</source>
        <translation>Tel het uitlaatdebiet erbij op voor de totale luchtbehoefte.</translation>
    </message>
</context>
<context>
    <name>TAdjustAirDriveForm</name>
    <message>
        <source>Adjust operating conditions</source>
        <translation>Bedrijfsomstandigheden aanpassen</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Max. aandrijfdruk</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to Air drive pressure  (Pa) with this model. Use a common connection for drive and input supply</source>
        <translation>Bij dit model moet de gasinlaatdruk (Ps) gelijk zijn aan de aandrijfdruk (Pa). Gebruik één gemeenschappelijke aansluiting voor aandrijving en inlaat</translation>
    </message>
    <message>
        <source>Min gas inlet pressure</source>
        <translation>Min. gasinlaatdruk</translation>
    </message>
    <message>
        <source>Max gas inlet pressure</source>
        <translation>Max. gasinlaatdruk</translation>
    </message>
    <message>
        <source>New air drive pressure will be applied to all graphs displayed</source>
        <translation>De nieuwe aandrijfdruk geldt voor alle getoonde grafieken</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Aandrijfdruk</translation>
    </message>
    <message>
        <source>Gas inlet pressure will only apply to this model number.</source>
        <translation>De gasinlaatdruk geldt alleen voor dit model.</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Gasinlaatdruk</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Nieuwe grafiek</translation>
    </message>
</context>
<context>
    <name>TAmplifierSelectionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Selection</source>
        <translation>Zorvik drukversterkers  -  Selectie</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aandrijflucht psig</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aandrijfdebiet scfm</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Inlaat lucht/gas psig</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Debiet scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Uitlaat psig</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Begin psig</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Eind psig</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Inhoud ft.3</translation>
    </message>
    <message>
        <source> &amp;Inlet pressure equal</source>
        <translation> &amp;Inlaatdruk gelijk aan</translation>
    </message>
    <message>
        <source>to air drive pressure</source>
        <translation>aandrijfdruk</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Bron met constante druk voedt een continu proces</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Bron met constante druk vult een vat of cilinder</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Debiet</translation>
    </message>
    <message>
        <source>Fill Cylinder</source>
        <translation>Vat vullen</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units </source>
        <translation>Metrische &amp;eenheden </translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source> 1. Select application type from 
      above choices.
 2. Enter appropriate conditions.
 3. Choose selection options.
 4. Click list sections button.</source>
        <translation> 1. Kies hierboven het soort
      toepassing.
 2. Voer de omstandigheden in.
 3. Kies de selectieopties.
 4. Klik op Modellen tonen.</translation>
    </message>
    <message>
        <source>Selection Options</source>
        <translation>Selectieopties</translation>
    </message>
    <message>
        <source> Ignore air available setting</source>
        <translation> Luchtaanbod negeren</translation>
    </message>
    <message>
        <source> Ignore flow rate setting</source>
        <translation> Gevraagd debiet negeren</translation>
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
        <translation>Grens °F</translation>
    </message>
    <message>
        <source> Real-gas vessel contents</source>
        <translation> Vatinhoud als reëel gas</translation>
    </message>
    <message>
        <source>Model       Number   </source>
        <translation>Model       Nummer   </translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Debiet Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Verbruik Scfm</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cycli / min</translation>
    </message>
    <message>
        <source>
     Please wait.     Searching for options....</source>
        <translation>
     Even geduld.     Modellen worden gezocht....</translation>
    </message>
    <message>
        <source>Air used figures displayed above indicate the dive air volume required, add outlet air quantity to obtain total input required</source>
        <translation>Het luchtverbruik hierboven is de benodigde aandrijflucht; tel het uitlaatdebiet erbij op voor de totale luchtbehoefte</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>&amp;Tekening tonen</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>&amp;Grafiek tonen</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;List Selections</source>
        <translation>&amp;Modellen tonen</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>&amp;Vergelijken</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Soort toepassing</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Geselecteerde modellen</translation>
    </message>
    <message>
        <source>One row for each model that meets the duty: model, flow rate or fill time, air used, cycles per minute and total air</source>
        <translation>Eén rij voor elk model dat aan de taak voldoet: model, debiet of vultijd, verbruikte lucht, cycli per minuut en totale lucht</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Zoeken</translation>
    </message>
</context>
<context>
    <name>TZampApplicationsForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Applications and Benefits</source>
        <translation>Zorvik drukversterkers  -  Toepassingen en voordelen</translation>
    </message>
    <message>
        <source>Typical Applications</source>
        <translation>Toepassingen</translation>
    </message>
    <message>
        <source>Why Use Zorvik Air Amplifiers?</source>
        <translation>Waarom Zorvik-versterkers?</translation>
    </message>
    <message>
        <source>An air amplifier is the simple alternative to a dedicated high-pressure compressor wherever compressed air is already piped.

It is compact and needs no electrical supply, motor or mechanical drive: it is powered by the air it boosts, so it can stand right at the point of use.

It works in any mounting position.

It needs no foundation and little maintenance.</source>
        <translation>Een drukversterker is het eenvoudige alternatief voor een eigen hogedrukcompressor waar perslucht al aanwezig is.

Hij is compact en heeft geen stroom, motor of aandrijving nodig: de lucht die hij versterkt drijft hem aan, dus hij staat direct bij het gebruikspunt.

Hij werkt in elke inbouwstand.

Hij vraagt geen fundering en weinig onderhoud.</translation>
    </message>
    <message>
        <source>Key Features</source>
        <translation>Belangrijkste kenmerken</translation>
    </message>
    <message>
        <source>Variable outlet pressure and flow
No heat, flame or spark risk
No air-line lubrication needed
Long seal life
Wide range of models, controls and options
Standard and custom-built systems</source>
        <translation>Regelbare uitlaatdruk en regelbaar debiet
Geen risico van hitte, vlam of vonk
Geen smering van de luchtleiding nodig
Lange levensduur van de afdichtingen
Ruime keus in modellen, bediening en opties
Standaard- en maatwerksystemen</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>Typical applications</source>
        <translation>Typische toepassingen</translation>
    </message>
    <message>
        <source>Six uses of an air amplifier: pressure testing, cylinders and actuators, gas charging, press clamping, air receiver charging and part ejection</source>
        <translation>Zes toepassingen van een drukversterker: drukbeproeving, cilinders en actuatoren, vullen met gas, klemmen in persen, vullen van luchtketels en uitwerpen van onderdelen</translation>
    </message>
    <message>
        <source>Single-stage air amplifier</source>
        <translation>Eentraps drukversterker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Een drukversterker met het luchtaandrijfgedeelte en het pompgedeelte op één frame</translation>
    </message>
</context>
<context>
    <name>TZampCalcCycleSpeedForm</name>
    <message>
        <source>Calculation of Cycle Speed</source>
        <translation>Berekening van de cyclussnelheid</translation>
    </message>
    <message>
        <source>The cycle speed of an amplifier is its outlet flow divided by the free-air volume it displaces in one cycle. That volume is worked out from the piston displacement per cycle (Db) of the model, given in the Model Selection Chart, and from the supply pressure (Ps) at which the pump section fills. The examples below work the volume out in metric and in imperial units.</source>
        <translation>De cyclussnelheid van een versterker is zijn uitlaatdebiet gedeeld door het volume vrije lucht dat hij per cyclus verplaatst. Dat volume volgt uit het slagvolume per cyclus (Db) van het model, zie de modellentabel, en uit de voedingsdruk (Ps) waarmee het pompdeel vult. De voorbeelden hieronder rekenen het uit in metrische en Engelse eenheden.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in litres and Ps the supply pressure in bar gauge. Adding 1.0 to Ps and dividing by 1.0 converts the pressure to absolute atmospheres, so the result is in normal litres of free air per cycle; 0.85 is an approximate efficiency factor for the filling and clearance losses of the pump section.
Cycle speed (cycles/min) = outlet flow (normal litres/min) / normal litres per cycle.</source>
        <translation>met Db het slagvolume per cyclus in liter en Ps de voedingsdruk in bar overdruk. Ps plus 1,0, gedeeld door 1,0, geeft de druk in absolute atmosfeer, dus het resultaat in normaalliter vrije lucht per cyclus; 0,85 is een benaderde factor voor vul- en schadelijke-ruimteverliezen.
Cyclussnelheid (cycli/min) = uitlaatdebiet (normaalliter/min) / normaalliter per cyclus.</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in cubic inches (dividing by 1728 gives cubic feet) and Ps the supply pressure in psig. Adding 14.7 to Ps and dividing by 14.7 converts it to absolute atmospheres, so the result is in standard cubic feet per cycle; 0.85 is the same approximate efficiency factor.
Cycle speed (cycles/min) = outlet flow (scfm) / scf per cycle.</source>
        <translation>met Db het slagvolume per cyclus in kubieke inch (gedeeld door 1728 geeft kubieke voet) en Ps de voedingsdruk in psig. Ps plus 14,7, gedeeld door 14,7, geeft absolute atmosfeer, dus het resultaat in standaard kubieke voet per cyclus; 0,85 is dezelfde benaderde factor.
Cyclussnelheid (cycli/min) = uitlaatdebiet (scfm) / scf per cyclus.</translation>
    </message>
    <message>
        <source>When the maximum outlet flow required is known, convert it into a cycle speed and compare it with the maximum cycle rate of the model. For continuous duty derate the speed to about 50 % of the maximum and convert that back into a flow: this is the flow to rate the model at. Where one amplifier cannot give the flow at the derated speed, use several units in parallel.

Example: a model with Db = 6.2 cubic inches, at Ps = 100 psig, delivers 6.2/1728 × 114.7/14.7 × 0.85 = 0.0238 scf per cycle. At 50 % of a maximum rate of 95 cycles/min it is rated at 47.5 × 0.0238 = 1.13 scfm, so a continuous demand of 1.5 scfm needs two units in parallel.</source>
        <translation>Is het maximaal benodigde uitlaatdebiet bekend, reken het dan om naar een cyclussnelheid en vergelijk die met de maximale cycli van het model. Verlaag voor continubedrijf de snelheid tot ongeveer 50 % van het maximum en reken terug naar een debiet: daarop wordt het model gekozen. Haalt één versterker het niet, gebruik er dan meer parallel.

Voorbeeld: een model met Db = 6,2 kubieke inch levert bij Ps = 100 psig 6,2/1728 × 114,7/14,7 × 0,85 = 0,0238 scf per cyclus. Op 50 % van maximaal 95 cycli/min is dat 47,5 × 0,0238 = 1,13 scfm; een continue vraag van 1,5 scfm vraagt dus twee eenheden parallel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Cyclussnelheid</translation>
    </message>
    <message>
        <source>Normal litres per cycle</source>
        <translation>Normaalliter per cyclus</translation>
    </message>
    <message>
        <source>Normal litres per cycle = Db x (Ps + 1.0) / 1.0 x 0.85</source>
        <translation>Normaalliter per cyclus = Db x (Ps + 1.0) / 1.0 x 0.85</translation>
    </message>
    <message>
        <source>Example in normal litres</source>
        <translation>Voorbeeld in normaalliter</translation>
    </message>
    <message>
        <source>Standard cubic feet per cycle</source>
        <translation>Standaard kubieke voet per cyclus</translation>
    </message>
    <message>
        <source>SCF per cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</source>
        <translation>SCF per cyclus = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</translation>
    </message>
    <message>
        <source>Example in standard cubic feet</source>
        <translation>Voorbeeld in standaard kubieke voet</translation>
    </message>
    <message>
        <source>Rating a model for a flow</source>
        <translation>Een model beoordelen voor een debiet</translation>
    </message>
</context>
<context>
    <name>TZampGeneralDescriptionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  General Description</source>
        <translation>Zorvik drukversterkers  -  Algemene beschrijving</translation>
    </message>
    <message>
        <source>What is A Zorvik Air Pressure Amplifier</source>
        <translation>Wat is een Zorvik-drukversterker?</translation>
    </message>
    <message>
        <source>A Zorvik air pressure amplifier is an air-driven pump that raises the pressure of compressed air or gas. Part of the incoming air supply drives it; no electricity or other power is needed.

The pressure is generated by a differential-area piston: a large air drive piston, driven by air at line pressure, and a smaller pump piston on a common rod. The same force acts on both, so the pressure in the pump section is raised in the ratio of the two areas.

Cycling is automatic. At each end of the stroke the piston opens one of two pilot valves, which pressurises or vents the large end of an unbalanced cycling spool. Air on its small end acts as an air spring, so the spool snaps between its two positions and reverses the drive air; it cannot stop half way.</source>
        <translation>Een Zorvik-drukversterker is een luchtaangedreven pomp die de druk van perslucht of gas verhoogt, aangedreven door een deel van de toegevoerde lucht, zonder andere energie.

De druk ontstaat met een trapzuiger: een grote aandrijfzuiger op netdruk en een kleinere pompzuiger op één stang. Op beide werkt dezelfde kracht, dus de druk in het pompdeel stijgt in de verhouding van de oppervlakken.

Het omschakelen gaat vanzelf. Aan elk slageinde opent de zuiger een van twee stuurkleppen, die de grote kant van een ongebalanceerde schakelschuif belucht of ontlucht. Lucht op de kleine kant werkt als veer: de schuif springt om en keert de aandrijflucht om; hij kan niet halverwege blijven staan.</translation>
    </message>
    <message>
        <source>The area ratio - air drive piston area to pump piston area - is the dash number of every model code: an RB-15 has an area ratio of 15. With the air drive pressure it sets the maximum outlet pressure. A single-acting RB-15 driven with air at 90 psig (6.2 barg) stalls at 15 × 90 = 1350 psig (93 barg); in double-acting models the supply pressure adds to this. The data sheet of each model gives its exact stall formula.

Seals and bearings are lubrication-free: no oil is needed in the drive air, and none is carried into the boosted gas.</source>
        <translation>De oppervlakteverhouding - aandrijfzuiger tot pompzuiger - is het getal na het streepje in de modelcode: een RB-15 heeft verhouding 15. Met de aandrijfdruk bepaalt ze de maximale uitlaatdruk. Een enkelwerkende RB-15 op 90 psig (6,2 barg) valt stil bij 15 × 90 = 1350 psig (93 barg); bij dubbelwerkende modellen komt de voedingsdruk erbij. Het gegevensblad van elk model geeft de exacte formule.

Afdichtingen en lagers werken zonder smering: de aandrijflucht heeft geen olie nodig, en er komt geen in het versterkte gas.</translation>
    </message>
    <message>
        <source>The amplifier is completely self-regulating. As the outlet pressure rises the piston slows, and at the maximum outlet pressure the forces on it balance and it stops: the amplifier stalls and holds the pressure without using any air or energy. When the outlet pressure falls, because gas is drawn off or leaks away, it starts cycling again automatically and restores it. No pressure switch or other control is needed.

Double-acting models pump on both strokes, delivering twice the volume per cycle of a single-acting model, and the supply pressure on their pump pistons helps to drive them. Two-stage models reach high pressures efficiently with a low compression ratio per stage. Power sizes range from 1/3 HP to 8 HP.</source>
        <translation>De versterker regelt zichzelf volledig. Stijgt de uitlaatdruk, dan vertraagt de zuiger; bij de maximale druk zijn de krachten in evenwicht en stopt hij: hij valt stil en houdt de druk vast zonder lucht of energie te gebruiken. Daalt de druk door afname of lekkage, dan start hij vanzelf weer en herstelt hem. Een drukschakelaar of andere regeling is niet nodig.

Dubbelwerkende modellen pompen in beide slagen, dus tweemaal het volume per cyclus, en de voedingsdruk op hun pompzuigers helpt mee. Tweetraps modellen halen efficiënt hoge drukken met een lage verhouding per trap. Vermogens van 1/3 pk tot 8 pk.</translation>
    </message>
    <message>
        <source>Zorvik amplifiers are powered and controlled by the air they boost. They need no electrical connections, so they are safe in hazardous areas, and they are small enough to mount on the machine they serve.</source>
        <translation>Zorvik-versterkers worden aangedreven en bestuurd door de lucht die ze versterken. Zonder elektrische aansluiting zijn ze veilig in explosiegevaarlijke ruimten en klein genoeg voor montage op de machine.</translation>
    </message>
    <message>
        <source>&amp;Using Performance Curves</source>
        <translation>&amp;Prestatiekrommen lezen</translation>
    </message>
    <message>
        <source>&amp;Sizing Air Amplifiers</source>
        <translation>Versterkers &amp;dimensioneren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Drukversterker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Een drukversterker met het luchtaandrijfgedeelte en het pompgedeelte op één frame</translation>
    </message>
    <message>
        <source>Sectional view</source>
        <translation>Doorsnede</translation>
    </message>
    <message>
        <source>A double-acting air amplifier cut open: the large air drive piston and the small pump pistons on one rod</source>
        <translation>Een opengewerkte dubbelwerkende drukversterker: de grote aandrijfzuiger en de kleine pompzuigers op één stang</translation>
    </message>
    <message>
        <source>The area ratio</source>
        <translation>De oppervlakteverhouding</translation>
    </message>
    <message>
        <source>Self-regulation</source>
        <translation>Zelfregeling</translation>
    </message>
    <message>
        <source>Power and control</source>
        <translation>Vermogen en regeling</translation>
    </message>
</context>
<context>
    <name>TZampModelSelectionChartForm</name>
    <message>
        <source>Zorvik Air Driven Air Amplifiers - Model Selection Chart</source>
        <translation>Zorvik drukversterkers - Modellentabel</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhouding</translation>
    </message>
    <message>
        <source>Max. Inlet Gas Press.</source>
        <translation>Max. gas-inlaatdruk</translation>
    </message>
    <message>
        <source>Max. Outlet Gas Press.</source>
        <translation>Max. gas-uitlaat</translation>
    </message>
    <message>
        <source>Static Outlet Pressure Formula</source>
        <translation>Formule statische uitlaatdruk</translation>
    </message>
    <message>
        <source>Piston Displ. per Cycle</source>
        <translation>Slag-volume per cyclus</translation>
    </message>
    <message>
        <source>Max. Air Drive</source>
        <translation>Max. aandrijf-lucht</translation>
    </message>
    <message>
        <source>Drive Size</source>
        <translation>Aandrijf-maat</translation>
    </message>
    <message>
        <source>Model Number Codes</source>
        <translation>Opbouw van het modelnummer</translation>
    </message>
    <message>
        <source>RB - single acting, single stage.
RBW - double acting, single stage: gains lift from the inlet gas pressure.
RBZ - two stage, with two pistons of different ratios.
The figure after the dash is the pressure ratio.</source>
        <translation>RB - enkelwerkend, eentraps.
RBW - dubbelwerkend, eentraps: de gasinlaatdruk helpt mee.
RBZ - tweetraps, twee zuigerverhoudingen.
Het getal na het streepje is de drukverhouding.</translation>
    </message>
    <message>
        <source>• Pa = Air drive pressure
• Ps = Supply Inlet gas pressure</source>
        <translation>• Pa = Aandrijfdruk
• Ps = Gasinlaatdruk</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>Model selection chart</source>
        <translation>Modellentabel</translation>
    </message>
    <message>
        <source>One row for each model: model number, ratio, maximum inlet and outlet gas pressure, static outlet pressure formula, piston displacement per cycle, maximum air drive pressure and drive size</source>
        <translation>Eén rij voor elk model: modelnummer, verhouding, maximale gasinlaat- en gasuitlaatdruk, formule voor de statische uitlaatdruk, slagvolume per cyclus, maximale aandrijfluchtdruk en aandrijfmaat</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbolen</translation>
    </message>
</context>
<context>
    <name>TZampOperationalGuideForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Operational Guidelines</source>
        <translation>Zorvik drukversterkers  -  Gebruiksrichtlijnen</translation>
    </message>
    <message>
        <source>Operational Guidelines</source>
        <translation>Gebruiksrichtlijnen</translation>
    </message>
    <message>
        <source>While Zorvik amplifiers are built to boost compressed air straight from the plant supply, remember that all such air carries moisture. Compressing it again raises the pressure of its water vapour too, and the higher the outlet pressure, the more of it condenses out as water. A little moisture at a moderate pressure</source>
        <translation>Zorvik-versterkers versterken perslucht rechtstreeks uit het net, maar die lucht bevat altijd vocht. Opnieuw comprimeren verhoogt ook de druk van de waterdamp, en hoe hoger de uitlaatdruk, hoe meer er als water condenseert. Wat vocht bij een matige druk</translation>
    </message>
    <message>
        <source>level does no harm. But once the boosted air is saturated, water collects in the pump section and the outlet line: it washes the grease from seals and bores, corrodes, and shortens the intervals between services.

For higher pressures, 40 barg or 600 psig for example, dry gases such as nitrogen are the better choice, or the air must be dried before the pump section (see Saturated Air). Where the quality of the delivered gas is critical, use a gas booster, which keeps the drive air completely apart from the gas being boosted.

Fit a filter with an automatic drain ahead of the amplifier, and drain the receiver and the outlet line regularly.</source>
        <translation>kan geen kwaad. Maar is de versterkte lucht verzadigd, dan verzamelt water zich in het pompdeel en de uitlaatleiding: het spoelt het vet van afdichtingen en boringen, corrodeert en verkort de onderhoudsintervallen.

Voor hogere drukken, bijvoorbeeld 40 barg of 600 psig, zijn droge gassen zoals stikstof beter, of moet de lucht vóór het pompdeel gedroogd worden (zie Verzadigde lucht). Waar de gaskwaliteit kritisch is, een gasbooster gebruiken, die aandrijflucht en gas volledig scheidt.

Plaats vóór de versterker een filter met automatische aftap en tap vat en uitlaatleiding regelmatig af.</translation>
    </message>
    <message>
        <source>Preventing &apos;No Load Runaway&apos;</source>
        <translation>Doorslaan zonder belasting voorkomen</translation>
    </message>
    <message>
        <source>Various manual and automatic controls prevent no-load runaway: an amplifier racing at full speed when its outlet is suddenly opened or a line bursts. See the options in the Dimensions &amp; Graphs window.</source>
        <translation>Diverse handmatige en automatische regelingen voorkomen doorslaan: een versterker die op volle snelheid loopt als zijn uitlaat plots opengaat of een leiding knapt. Zie de opties in het venster Afmetingen &amp; grafieken.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls. Ask your local office which of them suit your application.</source>
        <translation>Zorvik biedt systeemopties, zoals luchtvaten en bediening. Vraag uw kantoor welke bij uw toepassing passen.</translation>
    </message>
    <message>
        <source>Maximum cycle rate</source>
        <translation>Maximale cyclussnelheid</translation>
    </message>
    <message>
        <source>The maximum cycle rate is a factor of the drive series: each series has its own, set by the size of its air drive and its cycling valves. It is reached where the outlet pressure meets the air drive / supply pressure on the performance graphs, at the left-hand end of each flow curve, where the amplifier works against the least back pressure.

Continuous running at the maximum rate wears the seals quickly. For continuous duty, size the amplifier to run at about 50 % of its maximum cycle rate; intermittent duty may use the full rate. The Calculation of Cycle Speed below shows how to work it out.

A high cycle rate also heats the pump section and the delivered air. Where an amplifier must run for long periods, choose a larger model that does the work at a lower speed, and keep the drive air clean and dry so that the cycling valves stay free.</source>
        <translation>De maximale cyclussnelheid hangt af van de aandrijfreeks: elke reeks heeft de zijne, bepaald door de maat van de aandrijving en de schakelkleppen. Ze wordt bereikt waar de uitlaatdruk in de grafieken de aandrijf- of voedingsdruk raakt, aan het linkereinde van elke kromme, tegen de laagste tegendruk.

Continu op maximale snelheid lopen slijt de afdichtingen snel. Kies voor continubedrijf een versterker die op ongeveer 50 % van zijn maximale snelheid loopt; intermitterend bedrijf mag de volle snelheid gebruiken. De Berekening van de cyclussnelheid hieronder laat zien hoe.

Een hoge snelheid verwarmt ook het pompdeel en de lucht. Moet een versterker lang lopen, kies dan een groter model dat langzamer werkt, en houd de aandrijflucht schoon en droog zodat de schakelkleppen vrij blijven.</translation>
    </message>
    <message>
        <source>Other considerations include</source>
        <translation>Verder van belang</translation>
    </message>
    <message>
        <source>Cycling rate and unloaded operation: an amplifier should not run for long at high speed against little or no load, when it wears without doing useful work.

Size it so that the outlet pressure required is not too small a fraction of its maximum (stall) pressure: a model worked at the bottom of its range runs fast and uses more drive air for each cubic foot delivered. Where less flow is needed, throttle the drive air rather than let the amplifier race.</source>
        <translation>Snelheid en onbelast lopen: een versterker mag niet lang snel lopen tegen weinig of geen belasting; hij slijt dan zonder nuttig werk.

Kies hem zo dat de benodigde uitlaatdruk geen te klein deel van zijn maximale (stilstands)druk is: een model onderaan zijn bereik loopt snel en gebruikt meer aandrijflucht per geleverde kubieke voet. Is minder debiet nodig, smoor dan de aandrijflucht in plaats van de versterker te laten razen.</translation>
    </message>
    <message>
        <source>&amp;Calculation of Cycle Speed</source>
        <translation>Berekening van de &amp;cyclussnelheid</translation>
    </message>
    <message>
        <source>&amp;Saturated Air - Some Precautions</source>
        <translation>&amp;Verzadigde lucht - voorzorgen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in the boosted air</source>
        <translation>Vocht in de versterkte lucht</translation>
    </message>
    <message>
        <source>Double-acting air amplifier</source>
        <translation>Dubbelwerkende drukversterker</translation>
    </message>
    <message>
        <source>A double-acting air amplifier with a pump section at each end</source>
        <translation>Een dubbelwerkende drukversterker met een pompgedeelte aan elk uiteinde</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Systeemopties</translation>
    </message>
</context>
<context>
    <name>TZampSaturatedAirForm</name>
    <message>
        <source>Saturated Air - Some Precautions</source>
        <translation>Verzadigde lucht - voorzorgen</translation>
    </message>
    <message>
        <source>All air contains moisture, and compressed air holds the moisture of several volumes of atmospheric air in one. Most pneumatic equipment prefers dry air, and an air amplifier is no exception: it raises the pressure of the water vapour along with that of the air, so the higher it boosts the pressure, the drier the air at its inlet must be</source>
        <translation>Alle lucht bevat vocht, en perslucht bevat het vocht van meerdere volumes buitenlucht in één. De meeste pneumatische apparatuur wil droge lucht, ook een drukversterker: hij verhoogt met de luchtdruk ook de druk van de waterdamp; hoe hoger hij versterkt, hoe droger de lucht bij de inlaat moet zijn</translation>
    </message>
    <message>
        <source>to stay dry at its outlet. &quot;Dry&quot; is relative: what counts is the dewpoint, the temperature at which the moisture in the air starts to condense at the pressure it is at. Compressing air raises its dewpoint, because the water vapour is compressed with it: air with a pressure dewpoint of 10 °C (50 °F) at 7 barg (100 psig) has a dewpoint of about -18 °C (0 °F) at atmospheric pressure. Always compare pressure dewpoints.

The chart shows saturation lines for air dried to several dewpoints at 7 barg (100 psig). Boosted air stays dry as long as it stays to the right of its line, at a lower pressure or a higher temperature. To the left of it water condenses in the pump section, washes the grease from seals and bores, causes corrosion and is carried into the outlet line.

The lower the dewpoint of the air at the inlet, the higher it can be boosted before water appears: the examples below show how far each kind of dryer goes.</source>
        <translation>om bij de uitlaat droog te blijven. „Droog” is relatief: het gaat om het dauwpunt, de temperatuur waarbij het vocht bij die druk condenseert. Comprimeren verhoogt het dauwpunt, omdat de waterdamp mee wordt gecomprimeerd: lucht met een drukdauwpunt van 10 °C (50 °F) bij 7 barg (100 psig) heeft bij atmosferische druk ongeveer -18 °C (0 °F). Vergelijk altijd drukdauwpunten.

De grafiek toont verzadigingslijnen voor lucht die bij 7 barg (100 psig) tot verschillende dauwpunten is gedroogd. Versterkte lucht blijft droog zolang ze rechts van haar lijn blijft, bij lagere druk of hogere temperatuur. Links ervan condenseert water in het pompdeel, spoelt het vet van afdichtingen en boringen, corrodeert en komt in de uitlaatleiding.

Hoe lager het dauwpunt bij de inlaat, hoe hoger men kan versterken voordat water verschijnt: de voorbeelden hieronder tonen hoe ver elke droger gaat.</translation>
    </message>
    <message>
        <source>A shop compressor heats the air it compresses; the aftercooler and the receiver cool it again, so the air in the line is usually saturated at about room temperature, and boosting it makes water condense at once. Even very dry air, at 20 °C (68 °F) and only 9 % relative humidity, is saturated when it is raised to about 10 barg (145 psig) and cools back to 20 °C (68 °F). Air that is to be boosted well above the line pressure therefore needs a dryer.</source>
        <translation>Een werkplaatscompressor verwarmt de lucht; nakoeler en vat koelen haar weer af, zodat de netlucht meestal verzadigd is bij kamertemperatuur en versterken meteen water doet condenseren. Zelfs zeer droge lucht van 20 °C (68 °F) en slechts 9 % relatieve vochtigheid is verzadigd als ze tot ongeveer 10 barg (145 psig) wordt gebracht en tot 20 °C (68 °F) afkoelt. Lucht die ver boven de netdruk moet, heeft daarom een droger nodig.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 °C (50 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 10 °C (50 °F) can be boosted to about 14 barg (200 psig) without condensation at 20 °C (68 °F): example 1 on the chart. At a higher pressure, or if the pump section runs cooler, water condenses; for higher pressures choose a lower dewpoint. Such a dryer is common on plant air. It suits boosting to about twice the line pressure, but not beyond: above that, fit a dryer with a lower dewpoint or use nitrogen.</source>
        <translation>Koeldroger, dauwpunt 10 °C (50 °F). Lucht die bij 7 barg (100 psig) tot 10 °C (50 °F) drukdauwpunt is gedroogd, kan zonder condensatie bij 20 °C (68 °F) tot ongeveer 14 barg (200 psig): voorbeeld 1 in de grafiek. Bij hogere druk of een koeler pompdeel condenseert water; kies voor hogere drukken een lager dauwpunt. Zo’n droger is gewoon op fabrieksnetten en volstaat tot ongeveer tweemaal de netdruk, niet verder: gebruik daarboven een betere droger of stikstof.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 °C (32 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 0 °C (32 °F) can be boosted to just under 30 barg (about 425 psig) without condensation at 20 °C (68 °F): example 2 on the chart. This is about the lowest dewpoint a refrigerated dryer can give, as the condensate would freeze below it. It suits boosting to about four times the line pressure; above that, use a desiccant dryer or nitrogen. Drain the condensate trap of the dryer regularly, or fit an automatic drain.</source>
        <translation>Koeldroger, dauwpunt 0 °C (32 °F). Lucht die bij 7 barg (100 psig) tot 0 °C (32 °F) drukdauwpunt is gedroogd, kan zonder condensatie bij 20 °C (68 °F) tot net onder 30 barg (ongeveer 425 psig): voorbeeld 2 in de grafiek. Lager komt een koeldroger nauwelijks, want dan bevriest het condensaat. Hij volstaat tot ongeveer viermaal de netdruk; gebruik daarboven een adsorptiedroger of stikstof. Tap de condensaatafscheider regelmatig af of plaats een automatische aftap.</translation>
    </message>
    <message>
        <source>Desiccant dryer, about -40 °C (-40 °F) dewpoint. A desiccant dryer on the pump-section inlet only (the drive air needs no drying) gives a pressure dewpoint of about -40 °C (-40 °F). This air can be boosted to over 240 barg (3480 psig) without condensation at 20 °C (68 °F): example 3, beyond the top of the chart. As only the air being boosted is dried, a small dryer will do. Its desiccant must be regenerated or changed at the intervals its maker gives, or the dewpoint rises again and water reaches the pump section after all.</source>
        <translation>Adsorptiedroger, dauwpunt ongeveer -40 °C (-40 °F). Een adsorptiedroger alleen op de inlaat van het pompdeel (de aandrijflucht hoeft niet gedroogd) geeft een drukdauwpunt van ongeveer -40 °C (-40 °F). Deze lucht kan zonder condensatie bij 20 °C (68 °F) tot boven 240 barg (3480 psig): voorbeeld 3, boven de grafiek. Omdat alleen de versterkte lucht wordt gedroogd, volstaat een kleine droger. Zijn droogmiddel moet volgens de fabrikant worden geregenereerd of vervangen, anders stijgt het dauwpunt weer.</translation>
    </message>
    <message>
        <source>Using nitrogen. For requirements above 45 barg (650 psig), commercial nitrogen is often the simplest answer: it is dry, clean and inert. It can be boosted from bottles filled to 150 bar (2175 psi), which can then be used until they are nearly empty, or from liquid nitrogen vaporised at about 9 bar (130 psi). The amplifier is still driven by ordinary shop air, which never mixes with the nitrogen. Keep the bottles secured and fit a regulator rated for their full pressure; a manifold lets several bottles feed the amplifier in turn.</source>
        <translation>Stikstof. Boven 45 barg (650 psig) is handelsstikstof vaak de eenvoudigste oplossing: droog, schoon en inert. Het kan worden versterkt uit flessen van 150 bar (2175 psi), die zo bijna leeg gebruikt worden, of uit vloeibare stikstof, verdampt bij ongeveer 9 bar (130 psi). De versterker loopt gewoon op werkplaatslucht, die zich nooit met de stikstof mengt. Zet de flessen vast en gebruik een regelaar voor hun volle druk; een verdeelblok voedt meerdere flessen na elkaar.</translation>
    </message>
    <message>
        <source>&amp;10°C (50°F) dewpoint dryer</source>
        <translation>Droger &amp;10°C (50°F)</translation>
    </message>
    <message>
        <source>&amp;0°C (32°F) dewpoint dryer</source>
        <translation>Droger &amp;0°C (32°F)</translation>
    </message>
    <message>
        <source>&amp;Dessicant Dryer</source>
        <translation>&amp;Adsorptiedroger</translation>
    </message>
    <message>
        <source>Using &amp;Nitrogen</source>
        <translation>&amp;Stikstof</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in compressed air</source>
        <translation>Vocht in perslucht</translation>
    </message>
    <message>
        <source>Dewpoint</source>
        <translation>Dauwpunt</translation>
    </message>
    <message>
        <source>Air from a shop compressor</source>
        <translation>Lucht uit een werkplaatscompressor</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Celsius</source>
        <translation>Verzadigingslijnen in graden Celsius</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 7 barg: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Drukdauwpunt tegen luchttemperatuur voor lucht gedroogd bij 7 barg: links van een lijn condenseert water; de voorbeelden 1 tot 3 uit de tekst staan in het diagram aangegeven</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Fahrenheit</source>
        <translation>Verzadigingslijnen in graden Fahrenheit</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 100 psig: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Drukdauwpunt tegen luchttemperatuur voor lucht gedroogd bij 100 psig: links van een lijn condenseert water; de voorbeelden 1 tot 3 uit de tekst staan in het diagram aangegeven</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 degrees Celsius dewpoint</source>
        <translation>Koeldroger, dauwpunt 10 graden Celsius</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 degrees Celsius dewpoint</source>
        <translation>Koeldroger, dauwpunt 0 graden Celsius</translation>
    </message>
    <message>
        <source>Desiccant dryer</source>
        <translation>Adsorptiedroger</translation>
    </message>
    <message>
        <source>Using nitrogen</source>
        <translation>Gebruik van stikstof</translation>
    </message>
    <message>
        <source>Dryers</source>
        <translation>Drogers</translation>
    </message>
</context>
<context>
    <name>TZampSizingAmplifiersForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Sizing</source>
        <translation>Zorvik drukversterkers  -  Dimensionering</translation>
    </message>
    <message>
        <source>Sizing Air Amplifiers</source>
        <translation>Drukversterkers dimensioneren</translation>
    </message>
    <message>
        <source>Several factors are involved in sizing an air amplifier correctly. Getting them right first time saves a second purchase.</source>
        <translation>Voor een juiste dimensionering tellen meerdere factoren. Ze meteen goed kiezen spaart een tweede aankoop.</translation>
    </message>
    <message>
        <source>Some concern the parameters of the application, others the nature of the application itself.</source>
        <translation>Sommige betreffen de parameters van de toepassing, andere de aard ervan.</translation>
    </message>
    <message>
        <source>Dividing the outlet pressure required by the minimum air drive pressure gives the minimum area ratio, which is the dash number of the model: 1000 psig from an 80 psig drive needs a ratio of at least 12.5, so a -15 model. Allow a margin, as the flow falls to nothing at the maximum pressure; on double-acting models the supply pressure helps.

Where one amplifier cannot give the flow, several can work in parallel; where one ratio cannot reach the pressure, amplifiers can work in series, or a two-stage model does the job. Multipump units combine several amplifiers on one frame with common controls. In series the first amplifier feeds the second, so each works at a lower ratio and together they reach a pressure that neither could reach alone.</source>
        <translation>De benodigde uitlaatdruk gedeeld door de laagste aandrijfdruk geeft de kleinste oppervlakteverhouding, het getal na het streepje: 1000 psig uit 80 psig aandrijving vraagt minstens 12,5, dus een model -15. Houd marge aan, want het debiet daalt tot nul bij de maximale druk; bij dubbelwerkende modellen helpt de voedingsdruk.

Levert één versterker het debiet niet, dan werken er meer parallel; haalt één verhouding de druk niet, dan werken versterkers in serie, of doet een tweetraps model het. Multipompunits combineren meerdere versterkers op één frame met gemeenschappelijke bediening. In serie voedt de eerste de tweede: elk werkt met een lagere verhouding, en samen halen ze een druk die geen van beide alleen haalt.</translation>
    </message>
    <message>
        <source>Specfic Parameters Include</source>
        <translation>Specifieke parameters</translation>
    </message>
    <message>
        <source>What outlet pressure is required? (Po)
What is the minimum air drive pressure available? (Pa)
What is the supply pressure? (Ps; in most cases Pa = Ps)
What flow is required at the outlet pressure? (Q)</source>
        <translation>Welke uitlaatdruk is nodig? (Po)
Wat is de laagste beschikbare aandrijfdruk? (Pa)
Wat is de voedingsdruk? (Ps; meestal Pa = Ps)
Welk debiet is nodig bij de uitlaatdruk? (Q)</translation>
    </message>
    <message>
        <source>Application Data Includes</source>
        <translation>Gegevens van de toepassing</translation>
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
        <translation>Bedrijf: continu, of intermitterend en hoe vaak?
Waarvoor wordt de hoge druk gebruikt?
    Testen: wat is het volume van het testobject,
    en hoe snel moet de testdruk bereikt zijn?
    Uitstoten: welk volume en welke druk per stoot,
    en hoeveel stoten per minuut?
    Bediening: boring en slag van de cilinder; enkel- of
    dubbelwerkend; welke slagen op hoge druk;
    hoeveel cycli per minuut?</translation>
    </message>
    <message>
        <source>Determination of Flow</source>
        <translation>Bepaling van het debiet</translation>
    </message>
    <message>
        <source>We should verify the flow required from the application data before a model is chosen: the flow that a test vessel, a cylinder or an ejector needs follows from its volume, its pressure and its cycle time, and it is easily under- or over-estimated.

Where the demand is intermittent, an air receiver downstream of the amplifier stores high-pressure air between demands. The amplifier then has to supply only the average flow, so a smaller model will do, and the receiver covers momentary peaks that no amplifier could follow.

As a guide, a vessel takes its volume times the pressure rise in atmospheres of free air, a cylinder its swept volume times its absolute pressure in atmospheres at each stroke, in the time allowed.</source>
        <translation>Controleer vóór de modelkeuze het benodigde debiet aan de hand van de toepassing: dat van een testvat, een cilinder of een uitstoter volgt uit volume, druk en cyclustijd en wordt gemakkelijk onder- of overschat.

Bij intermitterende vraag slaat een vat na de versterker hogedruklucht op tussen de afnames. De versterker hoeft dan alleen het gemiddelde debiet te leveren, een kleiner model volstaat, en het vat dekt korte pieken die geen versterker kan volgen.

Als richtlijn: een vat neemt zijn volume maal de drukstijging in atmosfeer vrije lucht, een cilinder per slag zijn slagvolume maal zijn absolute druk in atmosfeer, in de beschikbare tijd.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls.</source>
        <translation>Zorvik biedt systeemopties, zoals vaten en bediening.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Drukversterker</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Een drukversterker met het luchtaandrijfgedeelte en het pompgedeelte op één frame</translation>
    </message>
    <message>
        <source>Sizing factors</source>
        <translation>Dimensioneringsfactoren</translation>
    </message>
    <message>
        <source>Area ratio and several amplifiers</source>
        <translation>Oppervlakteverhouding en meerdere drukversterkers</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Systeemopties</translation>
    </message>
</context>
<context>
    <name>TZampUsingCurvesForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Using Performance Curves</source>
        <translation>Zorvik drukversterkers  -  Prestatiekrommen lezen</translation>
    </message>
    <message>
        <source>Using Performance Curves</source>
        <translation>Prestatiekrommen lezen</translation>
    </message>
    <message>
        <source>All Zorvik amplifiers are variable-pressure, variable-flow devices. The outlet pressure is set anywhere up to the maximum by regulating the air drive pressure, or, on double-acting models, the supply pressure as well. The flow is reduced by throttling the drive air.

Performance curves are published for every area ratio and power size. Each graph shows the outlet flow (Q) against the outlet pressure (Po) at one air drive pressure (Pa) and one supply pressure (Ps), with lines of constant drive air consumption (QA). The graph beside this text is an example for a double-acting RBW-2.

Values between the published curves can be found by interpolation. For conditions outside them, ask your local Zorvik representative for a performance calculation.

The lower curves of each graph are for lower supply pressures. On every curve the flow is greatest at its left-hand end and falls to nothing at the stall pressure.</source>
        <translation>Alle Zorvik-versterkers hebben een variabele druk en een variabel debiet. De uitlaatdruk stelt men tot het maximum in met de aandrijfdruk, bij dubbelwerkende modellen ook met de voedingsdruk. Het debiet verlaagt men door de aandrijflucht te smoren.

Er zijn krommen voor elke oppervlakteverhouding en maat. Elke grafiek toont het uitlaatdebiet (Q) tegen de uitlaatdruk (Po) bij één aandrijfdruk (Pa) en één voedingsdruk (Ps), met lijnen van gelijk luchtverbruik (QA). De grafiek ernaast is een dubbelwerkende RBW-2.

Tussenwaarden vindt men door interpolatie. Vraag voor andere omstandigheden uw Zorvik-vertegenwoordiger om een berekening.

De lagere krommen gelden voor lagere voedingsdrukken. Op elke kromme is het debiet links het grootst en daalt het tot nul bij de stilstandsdruk.</translation>
    </message>
    <message>
        <source>Note that the flow falls as the outlet pressure rises: the closer the outlet pressure comes to the maximum, the slower the amplifier cycles.

The maximum outlet pressure is the zero-flow stall condition: the forces on the piston balance and the amplifier stops, holding the pressure without using any air.

When the downstream pressure drops, the balance is upset and the amplifier cycles again to restore it, so it also makes up any leakage from a closed system.</source>
        <translation>Het debiet daalt als de uitlaatdruk stijgt: hoe dichter de uitlaatdruk bij het maximum komt, hoe langzamer de versterker loopt.

De maximale uitlaatdruk is stilstand zonder debiet: de krachten op de zuiger zijn in evenwicht en de versterker stopt en houdt de druk vast zonder lucht te gebruiken.

Daalt de druk erachter, dan is het evenwicht verstoord en loopt de versterker weer tot het is hersteld; zo vult hij ook lekverliezen van een gesloten systeem aan.</translation>
    </message>
    <message>
        <source>To read the curves, find the outlet pressure (Po) on the horizontal axis, go up to the flow curve and read the outlet flow (Q) on the vertical axis; the line of constant air use through that point gives the drive air (QA).

The total air needed is the outlet flow plus the drive air: Q&#xa0;+&#xa0;QA.

Example: with Ps&#xa0;=&#xa0;100&#xa0;psig and Po&#xa0;=&#xa0;170&#xa0;psig the graph gives Q&#xa0;=&#xa0;30&#xa0;scfm and QA&#xa0;=&#xa0;50&#xa0;scfm, so the compressed air supply must provide 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Other points are read the same way.</source>
        <translation>Zoek om af te lezen de uitlaatdruk (Po) op de horizontale as, ga omhoog naar de kromme en lees het debiet (Q) af op de verticale as; de lijn van gelijk luchtverbruik door dat punt geeft de aandrijflucht (QA).

De totale luchtbehoefte is het debiet plus de aandrijflucht: Q&#xa0;+&#xa0;QA.

Voorbeeld: met Ps&#xa0;=&#xa0;100&#xa0;psig en Po&#xa0;=&#xa0;170&#xa0;psig geeft de grafiek Q&#xa0;=&#xa0;30&#xa0;scfm en QA&#xa0;=&#xa0;50&#xa0;scfm; het persluchtnet moet dus 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm leveren.

Andere punten leest men op dezelfde manier af.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flow and stall</source>
        <translation>Debiet en stilstand</translation>
    </message>
    <message>
        <source>Reading the curves</source>
        <translation>De krommen lezen</translation>
    </message>
</context>
<context>
    <name>TZorvAmpMainForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers</source>
        <translation>Zorvik drukversterkers</translation>
    </message>
    <message>
        <source>AIR PRESSURE</source>
        <translation>PERSLUCHT-</translation>
    </message>
    <message>
        <source>AMPLIFIERS</source>
        <translation>VERSTERKERS</translation>
    </message>
    <message>
        <source>&amp;Zorvik Introduction</source>
        <translation>&amp;Zorvik-introductie</translation>
    </message>
    <message>
        <source> &amp;Applications &amp;&amp; Benefits</source>
        <translation> &amp;Toepassing &amp;&amp; voordeel</translation>
    </message>
    <message>
        <source>&amp;General Description</source>
        <translation>Algemene &amp;beschrijving</translation>
    </message>
    <message>
        <source>&amp;Operational Guidelines</source>
        <translation>Gebruiks&amp;richtlijnen</translation>
    </message>
    <message>
        <source>  &amp;Model Selection Chart</source>
        <translation>  &amp;Modellentabel</translation>
    </message>
    <message>
        <source>&amp;Select an Air Amplifier</source>
        <translation>&amp;Versterker kiezen</translation>
    </message>
    <message>
        <source>&amp;Dimensions &amp;&amp; Graphs</source>
        <translation>&amp;Afmetingen &amp;&amp; grafieken</translation>
    </message>
    <message>
        <source>   &amp;Close</source>
        <translation>   &amp;Sluiten</translation>
    </message>
    <message>
        <source>Air amplifier selection and sizing program</source>
        <translation>Keuze en dimensionering</translation>
    </message>
    <message>
        <source>Performance data: Zorvik Engineering</source>
        <translation>Prestaties: Zorvik Engineering</translation>
    </message>
    <message>
        <source>(c) Zorvik Pneumatics Ltd.</source>
        <translation>(c) Zorvik Pneumatics Ltd.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Product display</source>
        <translation>Productweergave</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Omslag</translation>
    </message>
    <message>
        <source>Zorvik Pneumatic Engineering: air pressure amplifiers, boosters for air and gas, selection and sizing</source>
        <translation>Zorvik Pneumatic Engineering: drukversterkers, boosters voor lucht en gas, selectie en dimensionering</translation>
    </message>
    <message>
        <source>Air amplifier emblem</source>
        <translation>Embleem van de drukversterker</translation>
    </message>
    <message>
        <source>An amplifier with arrows: air in, higher pressure out</source>
        <translation>Een versterker met pijlen: lucht erin, hogere druk eruit</translation>
    </message>
</context>
<context>
    <name>TZorvikAmpIntroductionForm</name>
    <message>
        <source>Zorvik Introduction</source>
        <translation>Zorvik-introductie</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>For more than forty years Zorvik has designed and built air-driven equipment for industry: pumps, valves and pressure amplifiers that run on plant air alone.</source>
        <translation>Al meer dan veertig jaar ontwerpt en bouwt Zorvik luchtaangedreven apparatuur voor de industrie: pompen, kleppen en drukversterkers die alleen op perslucht werken.</translation>
    </message>
    <message>
        <source>Our products are made in our own plants in England and Scotland and supported by a worldwide network of offices and distributors.</source>
        <translation>Onze producten worden gemaakt in eigen fabrieken in Engeland en Schotland en ondersteund door een wereldwijd netwerk van kantoren en dealers.</translation>
    </message>
    <message>
        <source>The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact single-acting units to large double-acting and two-stage models.</source>
        <translation>De Zorvik-drukversterkers brengen lucht of gas tot 345 bar (5000 psi), van compacte enkelwerkende eenheden tot grote dubbelwerkende en tweetraps modellen.</translation>
    </message>
    <message>
        <source>Continued investment in modern machining, assembly and test facilities means that every amplifier is pressure-tested before it leaves the factory.</source>
        <translation>Dankzij voortdurende investeringen in moderne bewerking, montage en beproeving wordt elke versterker onder druk getest voordat hij de fabriek verlaat.</translation>
    </message>
    <message>
        <source>Head Office: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</source>
        <translation>Hoofdkantoor: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</translation>
    </message>
    <message>
        <source>Zorvik Pneumatics</source>
        <translation>Zorvik Pneumatics</translation>
    </message>
    <message>
        <source>The company name</source>
        <translation>De bedrijfsnaam</translation>
    </message>
    <message>
        <source>Worldwide network</source>
        <translation>Wereldwijd netwerk</translation>
    </message>
    <message>
        <source>A world map with the head office in England and regional offices and distributors in the U.S.A., Europe, Asia and Australasia</source>
        <translation>Een wereldkaart met het hoofdkantoor in Engeland en regionale vestigingen en distributeurs in de VS, Europa, Azië en Australazië</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabriek</translation>
    </message>
    <message>
        <source>The Zorvik factory building</source>
        <translation>Het fabrieksgebouw van Zorvik</translation>
    </message>
    <message>
        <source>About Zorvik</source>
        <translation>Over Zorvik</translation>
    </message>
    <message>
        <source>Office address</source>
        <translation>Adres van de vestiging</translation>
    </message>
    <message>
        <source>Head office address</source>
        <translation>Adres van het hoofdkantoor</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>The office whose address is shown and printed on every page</source>
        <translation>De vestiging waarvan het adres op elke pagina wordt getoond en afgedrukt</translation>
    </message>
</context>
<context>
    <name>TimageDisplayForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers - Selected Model</source>
        <translation>Zorvik drukversterkers - Gekozen model</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Afbeelding naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>De waarden van het diagram als tabel (Ctrl+T)</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabel</translation>
    </message>
</context>
<context>
    <name>TmodelDataForm</name>
    <message>
        <source>Model Selection Data</source>
        <translation>Modelgegevens</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Min air drive pressure</source>
        <translation>Min. aandrijfdruk</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Max. aandrijfdruk</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to</source>
        <translation>De gasinlaatdruk (Ps) moet bij dit model</translation>
    </message>
    <message>
        <source>Air drive pressure  (Pa) with this model.</source>
        <translation>gelijk zijn aan de aandrijfdruk (Pa).</translation>
    </message>
    <message>
        <source>Use a common connection for drive and input supply</source>
        <translation>Gebruik één aansluiting voor aandrijving en inlaat</translation>
    </message>
    <message>
        <source>Min inlet gas pressure</source>
        <translation>Min. gasinlaatdruk</translation>
    </message>
    <message>
        <source>Max inlet gas pressure</source>
        <translation>Max. gasinlaatdruk</translation>
    </message>
    <message>
        <source>Dependent on air drive pressure</source>
        <translation>Afhankelijk van de aandrijfdruk</translation>
    </message>
    <message>
        <source>Max outlet gas pressure</source>
        <translation>Max. gasuitlaatdruk</translation>
    </message>
    <message>
        <source>Max compression ratio</source>
        <translation>Max. compressieverhouding</translation>
    </message>
    <message>
        <source>Piston displacement / cycle</source>
        <translation>Slagvolume per cyclus</translation>
    </message>
    <message>
        <source>Stall pressure formula</source>
        <translation>Formule stilstandsdruk</translation>
    </message>
    <message>
        <source>Max inlet gas pressure to avoid Interstage stall</source>
        <translation>Max. gasinlaatdruk zonder stilstand van de tussentrap</translation>
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
        <translation>Zorvik drukversterkers  -  Afmetingen &amp; grafieken</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>In &amp;inches</translation>
    </message>
    <message>
        <source>Show Amplifier</source>
        <translation>Versterker tonen</translation>
    </message>
    <message>
        <source>Model Data</source>
        <translation>Modelgegevens</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>&amp;Grafiek tonen</translation>
    </message>
    <message>
        <source>&amp;Adjust pressure</source>
        <translation>Druk &amp;aanpassen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Afbeelding naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>    Model Type</source>
        <translation>    Type</translation>
    </message>
    <message>
        <source>Available Options   (further details will be shown if applicable)</source>
        <translation>Beschikbare opties   (met details, indien aanwezig)</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Modelnummer</translation>
    </message>
    <message>
        <source>Available options</source>
        <translation>Beschikbare opties</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Drive air pressure is too low!</source>
        <translation>Aandrijfdruk is te laag!</translation>
    </message>
    <message>
        <source>Drive air pressure is too high!</source>
        <translation>Aandrijfdruk is te hoog!</translation>
    </message>
    <message>
        <source>Initial outlet pressure must be less than final outlet pressure!</source>
        <translation>De begindruk moet lager zijn dan de einddruk!</translation>
    </message>
    <message>
        <source>Vessel temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>De vattemperatuur moet tussen -20 en 60 °C (-4 tot 140 °F) liggen!</translation>
    </message>
    <message>
        <source>Final pressure is above the real-gas model&apos;s 700 bar absolute (10138 psig)!</source>
        <translation>De einddruk ligt boven de 700 bar absoluut (10138 psig) van het model voor reëel gas!</translation>
    </message>
    <message>
        <source>Flow rate cannot be zero!<byte value="xd"/>No Amplifier needed.</source>
        <translation>Het debiet kan niet nul zijn!<byte value="xd"/>Geen versterker nodig.</translation>
    </message>
    <message>
        <source>Outlet pressure must be greater<byte value="xd"/>than inlet pressure!</source>
        <translation>De uitlaatdruk moet hoger zijn<byte value="xd"/>dan de inlaatdruk!</translation>
    </message>
    <message>
        <source>Gas temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>De gastemperatuur moet tussen -20 en 60 °C (-4 tot 140 °F) liggen!</translation>
    </message>
</context>
<context>
    <name>zorvik::ComparisonWindow</name>
    <message>
        <source>Compare Amplifiers</source>
        <translation>Drukversterkers vergelijken</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Uren per jaar:</translation>
    </message>
    <message>
        <source>Electricity price per k&amp;Wh:</source>
        <translation>Stroomprijs per k&amp;Wh:</translation>
    </message>
    <message>
        <source>&amp;Inlet gas from the drive air supply</source>
        <translation>&amp;Inlaatgas uit het aandrijfluchtnet</translation>
    </message>
    <message>
        <source>&amp;Model to add:</source>
        <translation>&amp;Model toevoegen:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Column</source>
        <translation>Gekozen kolom ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>Tabel &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>CSV op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per n.m3/min:</source>
        <translation>&amp;Compressorvermogen, kW per n.m3/min:</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per 100 scfm:</source>
        <translation>&amp;Compressorvermogen, kW per 100 scfm:</translation>
    </message>
    <message>
        <source>The table could not be saved.</source>
        <translation>De tabel kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer could not be started.</source>
        <translation>De vergelijking kon niet worden afgedrukt: de printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Vergelijking opslaan</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Omstandigheden</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Vergelijkingstabel</translation>
    </message>
    <message>
        <source>Model to add</source>
        <translation>Toe te voegen model</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Vergelijkingsdiagram</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Diagramtabel</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>De waarden van het diagram als tabel (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>zorvik::DataTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;luiten</translation>
    </message>
</context>
<context>
    <name>zorvik::JobHeaderPanel</name>
    <message>
        <source>&amp;Job name:</source>
        <translation>Pro&amp;jectnaam:</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>K&amp;lant:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referentie:</translation>
    </message>
    <message>
        <source>En&amp;gineer:</source>
        <translation>&amp;Engineer:</translation>
    </message>
    <message>
        <source>Revis&amp;ion:</source>
        <translation>Re&amp;visie:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>&amp;Office on the pages:</source>
        <translation>Ve&amp;stiging op de pagina’s:</translation>
    </message>
    <message>
        <source>Running cost of the drive air</source>
        <translation>Kosten van de aandrijflucht</translation>
    </message>
    <message>
        <source>Compressor power, &amp;kW per 100 scfm:</source>
        <translation>Compressorvermogen, &amp;kW per 100 scfm:</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Uren per jaar:</translation>
    </message>
    <message>
        <source>&amp;Price per kWh:</source>
        <translation>&amp;Prijs per kWh:</translation>
    </message>
    <message>
        <source>The gas boosted is dri&amp;ve air (its flow counts too)</source>
        <translation>Het versterkte gas is aandrijflucht (debiet telt &amp;mee)</translation>
    </message>
    <message>
        <source>The office chosen in the program</source>
        <translation>De in het programma gekozen vestiging</translation>
    </message>
    <message>
        <source>%1 (not among this program&apos;s offices)</source>
        <translation>%1 (niet onder de vestigingen van dit programma)</translation>
    </message>
</context>
<context>
    <name>zorvik::JobTableModel</name>
    <message>
        <source>The figures differ from those saved:</source>
        <translation>De waarden wijken af van de opgeslagen waarden:</translation>
    </message>
    <message>
        <source>Duty not valid</source>
        <translation>Taak ongeldig</translation>
    </message>
    <message>
        <source>Figures changed</source>
        <translation>Waarden gewijzigd</translation>
    </message>
    <message>
        <source>No model</source>
        <translation>Geen model</translation>
    </message>
    <message>
        <source>Fails the duty</source>
        <translation>Voldoet niet aan de taak</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Debiet</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Vullen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Kenmerk</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Aant.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Taak</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Levert</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aandrijflucht</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Bedrijfskosten</translation>
    </message>
    <message>
        <source>Change tag</source>
        <translation>Kenmerk wijzigen</translation>
    </message>
    <message>
        <source>Change quantity</source>
        <translation>Aantal wijzigen</translation>
    </message>
</context>
<context>
    <name>zorvik::JobWindow</name>
    <message>
        <source>Change the job&apos;s details</source>
        <translation>Projectgegevens wijzigen</translation>
    </message>
    <message>
        <source>&amp;Add item</source>
        <translation>Post &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliceren</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dupli&amp;ceren</translation>
    </message>
    <message>
        <source>&amp;Edit duty...</source>
        <translation>Taak &amp;bewerken...</translation>
    </message>
    <message>
        <source>Edit du&amp;ty...</source>
        <translation>T&amp;aak bewerken...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Verw&amp;ijderen</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Omh&amp;oog</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Omlaag</translation>
    </message>
    <message>
        <source>&amp;Submittal...</source>
        <translation>O&amp;ffertedossier...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Recent openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Su&amp;bmittal...</source>
        <translation>Offerte&amp;dossier...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Naamloos project</translation>
    </message>
    <message>
        <source>%1[*] - Job - Zorvik Air Pressure Amplifiers</source>
        <translation>%1[*] - Project - Zorvik drukversterkers</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Post %1</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Post toevoegen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>&amp;Keep in job</source>
        <translation>In project &amp;houden</translation>
    </message>
    <message>
        <source>Edit duty</source>
        <translation>Taak bewerken</translation>
    </message>
    <message>
        <source>&amp;Add to job</source>
        <translation>Aan project &amp;toevoegen</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved.</source>
        <translation>Het project ‘%1’ heeft wijzigingen die niet zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Eerst opslaan?</translation>
    </message>
    <message>
        <source>The job file %1 cannot be opened.</source>
        <translation>Het projectbestand %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Replace it with this job?</source>
        <translation>Vervangen door dit project?</translation>
    </message>
    <message>
        <source>The job could not be saved in %1.</source>
        <translation>Het project kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Project opslaan</translation>
    </message>
    <message>
        <source>Job files (*.zjob)</source>
        <translation>Projectbestanden (*.zjob)</translation>
    </message>
    <message>
        <source>Open a job</source>
        <translation>Project openen</translation>
    </message>
    <message>
        <source>Job files (*.zjob);;All files (*)</source>
        <translation>Projectbestanden (*.zjob);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>No job opened yet</source>
        <translation>Nog geen project geopend</translation>
    </message>
    <message>
        <source>1 item&apos;s figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>De waarden van 1 post wijken af van die in het bestand: zie ‘Controle’.</translation>
    </message>
    <message>
        <source>%1 items&apos; figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>De waarden van %1 posten wijken af van die in het bestand: zie ‘Controle’.</translation>
    </message>
    <message>
        <source>The submittal could not be written.</source>
        <translation>Het offertedossier kon niet worden geschreven.</translation>
    </message>
    <message>
        <source> submittal</source>
        <translation> offertedossier</translation>
    </message>
    <message>
        <source>Write the submittal</source>
        <translation>Offertedossier schrijven</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>The job cannot be kept against a crash in %1.</source>
        <translation>Het project kan niet tegen een crash worden bewaard in %1.</translation>
    </message>
    <message>
        <source>Job items</source>
        <translation>Projectonderdelen</translation>
    </message>
    <message>
        <source>Save it under another name?</source>
        <translation>Onder een andere naam opslaan?</translation>
    </message>
    <message>
        <source>Writing the submittal...</source>
        <translation>Het offertedossier wordt geschreven...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>zorvik::TAdjustAirDriveForm</name>
    <message>
        <source>Air drive pressure is too low!</source>
        <translation>Aandrijfdruk is te laag!</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!</source>
        <translation>Aandrijfdruk is te hoog!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too low!</source>
        <translation>Gasinlaatdruk is te laag!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too high!</source>
        <translation>Gasinlaatdruk is te hoog!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>‘%1’ is geen geldig getal</translation>
    </message>
</context>
<context>
    <name>zorvik::TAmplifierSelectionForm</name>
    <message>
        <source>C&amp;ompare...</source>
        <translation>&amp;Vergelijken...</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 bij %2 %3</translation>
    </message>
    <message>
        <source>No selections</source>
        <translation>Geen modellen</translation>
    </message>
    <message>
        <source>%1 is not a valid value!</source>
        <translation>%1 is geen geldige waarde!</translation>
    </message>
    <message>
        <source>No air amplifier selected...</source>
        <translation>Geen versterker gekozen...</translation>
    </message>
    <message>
        <source>No air pressure amplifier selected</source>
        <translation>Geen drukversterker gekozen</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>De lijst</translation>
    </message>
    <message>
        <source>No model is chosen in the list.<byte value="xd"/>Keep the duty in the job without a model?</source>
        <translation>Er is geen model gekozen in de lijst.<byte value="xd"/>De taak zonder model in het project houden?</translation>
    </message>
    <message>
        <source>Continuous process</source>
        <translation>Continu proces</translation>
    </message>
    <message>
        <source>Chooses the layout for a constant pressure source feeding a continuous process</source>
        <translation>Kiest de opstelling voor een bron met constante druk die een continu proces voedt</translation>
    </message>
    <message>
        <source>Vessel charging</source>
        <translation>Vullen van vaten</translation>
    </message>
    <message>
        <source>Chooses the layout for charging a vessel</source>
        <translation>Kiest de opstelling voor het vullen van een vat</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the vessel on the right</source>
        <translation>%1: de aandrijflucht en de gasinlaat links, het vat rechts</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the outlet on the right</source>
        <translation>%1: de aandrijflucht en de gasinlaat links, de uitlaat rechts</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampModelSelectionChartForm</name>
    <message>
        <source>The chart</source>
        <translation>De tabel</translation>
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
        <translation>Taa&amp;l</translation>
    </message>
    <message>
        <source>Loading %1<byte value="xd"/>loading error.</source>
        <translation>Laden van %1<byte value="xd"/>fout bij het laden.</translation>
    </message>
    <message>
        <source>The chosen office could not be saved in<byte value="xd"/>%1<byte value="xd"/>It will not be remembered at the next start.</source>
        <translation>Het gekozen kantoor kon niet worden opgeslagen in<byte value="xd"/>%1<byte value="xd"/>Het wordt bij de volgende start niet onthouden.</translation>
    </message>
    <message>
        <source>&amp;Jobs</source>
        <translation>Or&amp;ders</translation>
    </message>
    <message>
        <source>A customer&apos;s duties, kept in a job file and sent as one submittal</source>
        <translation>De taken van een klant, bewaard in een projectbestand en verstuurd als één offertedossier</translation>
    </message>
</context>
<context>
    <name>zorvik::TimageDisplayForm</name>
    <message>
        <source>The data sheet</source>
        <translation>Het gegevensblad</translation>
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
        <translation>%1 liter</translation>
    </message>
    <message>
        <source>( %1 cu. inch )</source>
        <translation>( %1 inch³ )</translation>
    </message>
    <message>
        <source>less than %1 x pAir</source>
        <translation>onder %1 x pAir</translation>
    </message>
</context>
<context>
    <name>zorvik::TzampGraph1Form</name>
    <message>
        <source>The data sheet</source>
        <translation>Het gegevensblad</translation>
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
        <translation>&amp;Grafiek tonen</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>&amp;Tekening tonen</translation>
    </message>
    <message>
        <source>S&amp;how mm</source>
        <translation>In &amp;mm</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>In &amp;inches</translation>
    </message>
    <message>
        <source>  Single acting</source>
        <translation>  Enkelwerkend</translation>
    </message>
    <message>
        <source>  Single stage</source>
        <translation>  Eentraps</translation>
    </message>
    <message>
        <source>  Double acting</source>
        <translation>  Dubbelwerkend</translation>
    </message>
    <message>
        <source>  Two stage</source>
        <translation>  Tweetraps</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
</TS>
