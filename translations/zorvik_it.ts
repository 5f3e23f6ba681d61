<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ChartTable</name>
    <message>
        <source>Inlet %1 %2</source>
        <translation>Ingresso %1 %2</translation>
    </message>
    <message>
        <source>Duty at full speed</source>
        <translation>Punto di servizio a piena velocità</translation>
    </message>
    <message>
        <source>Charging point %1</source>
        <translation>Punto di riempimento %1</translation>
    </message>
    <message>
        <source>Performance chart of %1 - %2</source>
        <translation>Diagramma delle prestazioni di %1 - %2</translation>
    </message>
    <message>
        <source>Curve or point</source>
        <translation>Curva o punto</translation>
    </message>
    <message>
        <source>Outlet pressure, %1</source>
        <translation>Pressione di uscita, %1</translation>
    </message>
    <message>
        <source>Outlet flow, %1</source>
        <translation>Portata in uscita, %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Delivered flow against outlet pressure at %1 drive, %2 inlet</source>
        <translation>Portata erogata in funzione della pressione di uscita, aria motrice %1, ingresso %2</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Pressione di uscita</translation>
    </message>
    <message>
        <source>Delivered flow</source>
        <translation>Portata erogata</translation>
    </message>
    <message>
        <source>Required: %1 at %2</source>
        <translation>Richiesta: %1 a %2</translation>
    </message>
    <message>
        <source>Vessel pressure against time</source>
        <translation>Pressione del serbatoio nel tempo</translation>
    </message>
    <message>
        <source>Time, minutes</source>
        <translation>Tempo, minuti</translation>
    </message>
    <message>
        <source>Vessel pressure</source>
        <translation>Pressione del serbatoio</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numero del modello</translation>
    </message>
    <message>
        <source>Listed by the selection</source>
        <translation>In elenco nella selezione</translation>
    </message>
    <message>
        <source>No, near miss</source>
        <translation>No, di poco</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Drive air used</source>
        <translation>Aria motrice consumata</translation>
    </message>
    <message>
        <source>Total input air (flow + drive air)</source>
        <translation>Aria totale (portata + aria motrice)</translation>
    </message>
    <message>
        <source>Cycles per minute</source>
        <translation>Cicli al minuto</translation>
    </message>
    <message>
        <source>Speed, % of maximum</source>
        <translation>Velocità, % del massimo</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Rapporto di compressione</translation>
    </message>
    <message>
        <source>Volumetric efficiency, %</source>
        <translation>Rendimento volumetrico, %</translation>
    </message>
    <message>
        <source>Stall pressure at this drive</source>
        <translation>Pressione di stallo a questa pressione motrice</translation>
    </message>
    <message>
        <source>Margin to maximum outlet</source>
        <translation>Margine dall’uscita massima</translation>
    </message>
    <message>
        <source>Cut back to the air available</source>
        <translation>Limitato all’aria disponibile</translation>
    </message>
    <message>
        <source>Flow flat out at this outlet</source>
        <translation>Portata a piena potenza a questa uscita</translation>
    </message>
    <message>
        <source>Speed at the duty, % of maximum</source>
        <translation>Velocità al punto di servizio, % del massimo</translation>
    </message>
    <message>
        <source>Cycles per minute at the duty</source>
        <translation>Cicli al minuto al punto di servizio</translation>
    </message>
    <message>
        <source>Above %1 % of maximum speed</source>
        <translation>Oltre il %1 % della velocità massima</translation>
    </message>
    <message>
        <source>Drive air at the duty</source>
        <translation>Aria motrice al punto di servizio</translation>
    </message>
    <message>
        <source>Units in parallel for the flow</source>
        <translation>Unità in parallelo per la portata</translation>
    </message>
    <message>
        <source>Drive air of those units</source>
        <translation>Aria motrice di queste unità</translation>
    </message>
    <message>
        <source>Total input air at the duty</source>
        <translation>Aria totale al punto di servizio</translation>
    </message>
    <message>
        <source>Drive air to spare at the duty</source>
        <translation>Riserva di aria motrice al punto di servizio</translation>
    </message>
    <message>
        <source>Energy a year at the duty, kWh</source>
        <translation>Energia annua al punto di servizio, kWh</translation>
    </message>
    <message>
        <source>Cost a year at the duty</source>
        <translation>Costo annuo al punto di servizio</translation>
    </message>
    <message>
        <source>Meets the duty</source>
        <translation>Soddisfa il servizio</translation>
    </message>
    <message>
        <source>Fill time, minutes</source>
        <translation>Tempo di riempimento, minuti</translation>
    </message>
    <message>
        <source>Total drive air</source>
        <translation>Aria motrice totale</translation>
    </message>
    <message>
        <source>Average drive air</source>
        <translation>Aria motrice media</translation>
    </message>
    <message>
        <source>Average cycles per minute</source>
        <translation>Cicli medi al minuto</translation>
    </message>
    <message>
        <source>Energy a fill, kWh</source>
        <translation>Energia per riempimento, kWh</translation>
    </message>
    <message>
        <source>Cost a fill</source>
        <translation>Costo per riempimento</translation>
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
        <translation>aria motrice illimitata</translation>
    </message>
    <message>
        <source>%1 drive air available</source>
        <translation>%1 di aria motrice disponibile</translation>
    </message>
    <message>
        <source>any flow</source>
        <translation>portata qualsiasi</translation>
    </message>
    <message>
        <source>%1 required</source>
        <translation>%1 richiesti</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh</source>
        <translation>Aria motrice %1, %2, ingresso %3, uscita %4, %5.  Costo: %6, %7 ore all’anno, %8 per kWh</translation>
    </message>
    <message>
        <source>%1, inlet gas from the same air supply</source>
        <translation>%1, gas in ingresso dalla stessa rete d’aria</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 litri</translation>
    </message>
    <message>
        <source>%1 cu ft</source>
        <translation>%1 cu ft</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh</source>
        <translation>Aria motrice %1, %2, ingresso %3, serbatoio da %4 da %5 a %6.  Costo: %7, %8 per kWh</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>Delivered %1 flow against outlet pressure at %2 drive, %3 inlet</source>
        <translation>Portata di %1 in funzione della pressione di uscita con %2 motrice, %3 in ingresso</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Portata massica</translation>
    </message>
    <message>
        <source>Discharge temperature, upper bound</source>
        <translation>Temperatura di mandata, limite superiore</translation>
    </message>
    <message>
        <source>%1 at %2, </source>
        <translation>%1 a %2, </translation>
    </message>
    <message>
        <source>, discharge limit %1</source>
        <translation>, limite di mandata %1</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  Cost: %7, %8 per kWh</source>
        <translation>Motrice %1, %2, ingresso %3, serbatoio da %4 da %5 a %6, contenuto calcolato come gas reale.  Costo: %7, %8 per kWh</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source> (no curve)</source>
        <translation> (nessuna curva)</translation>
    </message>
</context>
<context>
    <name>ComparisonChartTable</name>
    <message>
        <source>%1 (not listed)</source>
        <translation>%1 (non in elenco)</translation>
    </message>
    <message>
        <source>%1: %2 against %3, one line for each of %4.</source>
        <translation>%1: %2 in funzione di %3, una linea per ciascuno di: %4.</translation>
    </message>
    <message>
        <source> %1 at %2, %3.</source>
        <translation> %1 a %2, %3.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Invio o Ctrl+T ne mostra i valori in una tabella.</translation>
    </message>
    <message>
        <source>Model or point</source>
        <translation>Modello o punto</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>Sorry......<byte value="xd"/>The code for this drawing has not been written yet!</source>
        <translation>Spiacenti......<byte value="xd"/>Questo disegno non è ancora disponibile!</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Air Drive Inlet</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Ingresso aria motr.</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port</source>
        <translation>3/8&quot; NPT Ingresso</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Outlet Port</source>
        <translation>3/8&quot; NPT Uscita</translation>
    </message>
    <message>
        <source>Air Drive <byte value="xd"/>Inlet</source>
        <translation>Ingresso<byte value="xd"/>aria motr.</translation>
    </message>
    <message>
        <source>Exhaust Muffler</source>
        <translation>Silenziatore</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port<byte value="xd"/>3/8 NPT Outlet port (rear side)</source>
        <translation>3/8&quot; NPT Ingresso<byte value="xd"/>3/8 NPT Uscita (retro)</translation>
    </message>
    <message>
        <source>Fixings<byte value="xd"/>4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fissaggio<byte value="xd"/>4 asole<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Inlet Port</source>
        <translation>1/4&quot; NPT Ingresso</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Outlet Port</source>
        <translation>1/4&quot; NPT Uscita</translation>
    </message>
    <message>
        <source>Exhaust<byte value="xd"/>Muffler</source>
        <translation>Silenzia-<byte value="xd"/>tore</translation>
    </message>
    <message>
        <source>Fixings 4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fissaggio 4 asole<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Ingresso</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Uscita</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Inlet Port</source>
        <translation>Tubo 1/2&quot;<byte value="xd"/>Ingresso</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Outlet Port</source>
        <translation>Tubo 1/2&quot;<byte value="xd"/>Uscita</translation>
    </message>
    <message>
        <source>Fixings  4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fissaggio  4 asole<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Ingressi<byte value="xd"/>a ogni estremità</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Uscite<byte value="xd"/>a ogni estremità</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Ingresso</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Uscita</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>3/4&quot; NPT</source>
        <translation>Ingresso aria motr.<byte value="xd"/>3/4&quot; NPT</translation>
    </message>
    <message>
        <source>1&quot; NPT Outlet Port (this side)<byte value="xd"/>1&quot; NPT Inlet Port (rear side)</source>
        <translation>1&quot; NPT Uscita (questo lato)<byte value="xd"/>1&quot; NPT Ingresso (retro)</translation>
    </message>
    <message>
        <source>Fixings 8 holes<byte value="xd"/>13.5 mm dia (17/32&quot; dia)</source>
        <translation>Fissaggio 8 fori<byte value="xd"/>Ø 13,5 mm (Ø 17/32&quot;)</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>PIANTA</translation>
    </message>
    <message>
        <source>Air Inlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Ingresso aria <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Air Outlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Uscita aria <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Wall Mounting<byte value="xd"/>4 holes<byte value="xd"/>10 mm dia<byte value="xd"/>(3/8&quot; dia)</source>
        <translation>Montaggio a parete<byte value="xd"/>4 fori<byte value="xd"/>Ø 10 mm<byte value="xd"/>(Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Base Mounting 4 holes<byte value="xd"/>10 mm dia (3/8&quot; dia)</source>
        <translation>Montaggio a pavimento 4 fori<byte value="xd"/>Ø 10 mm (Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>1/2&quot; NPT  8.6 bar (125 psi) max</source>
        <translation>Ingresso aria motrice<byte value="xd"/>1/2&quot; NPT  max 8,6 bar (125 psi)</translation>
    </message>
    <message>
        <source>Mounting holes<byte value="xd"/>4 x 10mm (0.39&quot;) dia</source>
        <translation>Fori di fissaggio<byte value="xd"/>4 x Ø 10 mm (0,39&quot;)</translation>
    </message>
    <message>
        <source>Model 61306 is a complete pneumatic<byte value="xd"/>system designed to provide amplified<byte value="xd"/>pressure and momentary high flow.</source>
        <translation>Il modello 61306 è un sistema<byte value="xd"/>pneumatico completo che fornisce<byte value="xd"/>pressione amplificata e alta portata<byte value="xd"/>momentanea.</translation>
    </message>
    <message>
        <source>It utilizes available plant air (up to 6.5 bar<byte value="xd"/>95 psi) to both the supply and drive inlets<byte value="xd"/>of the model RBW-2 which automatically<byte value="xd"/>stalls once the storage tank has been<byte value="xd"/>filled to about double the supply pressure.</source>
        <translation>Usa l’aria di stabilimento (fino a 6,5 bar,<byte value="xd"/>95 psi) per l’ingresso e l’aria motrice<byte value="xd"/>del modello RBW-2, che va in stallo da sé<byte value="xd"/>quando il serbatoio è pieno a circa il<byte value="xd"/>doppio della pressione di alimentazione.</translation>
    </message>
    <message>
        <source>The amplifier will sense any use of air from<byte value="xd"/>the tank, and resume operation again to stall<byte value="xd"/>at about 2 times supply pressure.</source>
        <translation>L’amplificatore avverte ogni prelievo<byte value="xd"/>d’aria dal serbatoio e riparte fino allo<byte value="xd"/>stallo a circa 2 volte la pressione<byte value="xd"/>di alimentazione.</translation>
    </message>
    <message>
        <source>The regulator on the tank output is provided<byte value="xd"/>to control output pressure and flow, up to<byte value="xd"/>about (momentarily) 4.2 Nm3/min 150 scfm.<byte value="xd"/>Also included is an ASME coded safety relief<byte value="xd"/>valve on the tank set at 13.8 bar (200 psi).</source>
        <translation>Il regolatore all’uscita del serbatoio<byte value="xd"/>regola pressione e portata, fino a circa<byte value="xd"/>4,2 Nm3/min (150 scfm) per brevi tempi.<byte value="xd"/>Il serbatoio ha una valvola di sicurezza<byte value="xd"/>ASME tarata a 13,8 bar (200 psi).</translation>
    </message>
</context>
<context>
    <name>DutyNote</name>
    <message>
        <source>%1 (%2 % speed, %3 %4)</source>
        <translation>%1 (%2 % della velocità, %3 %4)</translation>
    </message>
    <message>
        <source>%1 (%2 % speed, %3 of %4 %5)</source>
        <translation>%1 (%2 % della velocità, %3 su %4 %5)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n altro</numerusform>
            <numerusform>altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>No selections. Nearest model, %1: %2.</source>
        <translation>Nessun modello. Il più vicino, %1: %2.</translation>
    </message>
    <message>
        <source>No selections at full output on the air available; throttled to the flow asked for, these meet the duty: %1.</source>
        <translation>Nessun modello a piena potenza con l’aria disponibile; strozzati alla portata richiesta, questi soddisfano il servizio: %1.</translation>
    </message>
    <message>
        <source>Also meet the duty throttled (the list runs each model flat out on the air available): %1.</source>
        <translation>Soddisfano il servizio anche strozzati (l’elenco fa funzionare ogni modello a piena potenza con l’aria disponibile): %1.</translation>
    </message>
    <message>
        <source>* Discharge can pass the %1 limit: %2.</source>
        <translation>* La mandata può superare il limite di %1: %2.</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Null is not valid value</source>
        <translation>Vuoto non è un valore valido</translation>
    </message>
    <message>
        <source>%1 is not valid value</source>
        <translation>%1 non è un valore valido</translation>
    </message>
    <message>
        <source>Initial outlet pressure is lower than supply pressure!<byte value="xd"/>equalise pressures before starting amplifier.</source>
        <translation>La pressione di uscita iniziale è inferiore a quella di ingresso!<byte value="xd"/>uguagliare le pressioni prima di avviare l’amplificatore.</translation>
    </message>
    <message>
        <source>%1 is not a gas the program sizes</source>
        <translation>%1 non è un gas che il programma dimensiona</translation>
    </message>
</context>
<context>
    <name>Gases</name>
    <message>
        <source>Air</source>
        <translation>Aria</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Ossigeno</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Elio</translation>
    </message>
    <message>
        <source>Carbon dioxide</source>
        <translation>Anidride carbonica</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Idrogeno</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Metano</translation>
    </message>
    <message>
        <source>Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.</source>
        <translation>Ossigeno: amplificatore, tubazioni e serbatoio devono essere puliti e costruiti per l’ossigeno. Il riscaldamento da compressione rapida è una fonte di innesco: aprire le valvole lentamente, senza olio né grasso.</translation>
    </message>
    <message>
        <source>Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief outlets must vent safely to open air, away from any source of ignition.</source>
        <translation>Idrogeno: ogni parte a contatto con il gas deve essere di materiale adatto all’idrogeno; perdite e scarichi devono sfogare in sicurezza all’aperto, lontano da fonti di innesco.</translation>
    </message>
    <message>
        <source>Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.</source>
        <translation>L’anidride carbonica si liquefa sotto pressione a temperatura ambiente: un’uscita o un serbatoio alla sua tensione di vapore o oltre contiene liquido, escluso da questo calcolo. Scaricarla in un luogo ventilato.</translation>
    </message>
    <message>
        <source>%1 bar absolute (%2 psig)</source>
        <translation>%1 bar assoluti (%2 psig)</translation>
    </message>
    <message>
        <source>%1 is solid or liquid at %2 and %3, below its triple point</source>
        <translation>%1 è solido o liquido a %2 e %3, sotto il suo punto triplo</translation>
    </message>
    <message>
        <source>%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature</source>
        <translation>%1 è liquido o bifase a %2 e %3: a questa temperatura si liquefa da %4</translation>
    </message>
    <message>
        <source>The real-gas model covers %1 to %2; %3 is outside it</source>
        <translation>Il modello di gas reale copre da %1 a %2; %3 ne è fuori</translation>
    </message>
    <message>
        <source>The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it</source>
        <translation>Il modello di gas reale copre pressioni assolute oltre 0 fino a %1; %2 ne è fuori</translation>
    </message>
    <message>
        <source>The equation of state of %1 gives no gas state at %2 and %3</source>
        <translation>L’equazione di stato di %1 non dà alcuno stato gassoso a %2 e %3</translation>
    </message>
</context>
<context>
    <name>Gases in a sentence</name>
    <message>
        <source>air</source>
        <translation>aria</translation>
    </message>
    <message>
        <source>nitrogen</source>
        <translation>azoto</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>ossigeno</translation>
    </message>
    <message>
        <source>argon</source>
        <translation>argon</translation>
    </message>
    <message>
        <source>helium</source>
        <translation>elio</translation>
    </message>
    <message>
        <source>carbon dioxide</source>
        <translation>anidride carbonica</translation>
    </message>
    <message>
        <source>hydrogen</source>
        <translation>idrogeno</translation>
    </message>
    <message>
        <source>methane</source>
        <translation>metano</translation>
    </message>
</context>
<context>
    <name>JobRecovery</name>
    <message>
        <source>a new job, never saved</source>
        <translation>una nuova commessa, mai salvata</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 voce</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 voci</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2), %3, as it was at %4.</source>
        <translation>«%1» (%2), %3, com’era il %4.</translation>
    </message>
    <message>
        <source>The program ended without closing while a job had unsaved changes:</source>
        <translation>Il programma si è interrotto senza chiudersi mentre una commessa aveva modifiche non salvate:</translation>
    </message>
    <message>
        <source>Restore it?</source>
        <translation>Ripristinarla?</translation>
    </message>
    <message>
        <source>A job kept against a crash cannot be read; it is kept as</source>
        <translation>Una commessa conservata in caso di arresto anomalo non può essere letta; è conservata come</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Impossibile scrivere il file: %1.</translation>
    </message>
    <message>
        <source>The previous file cannot be kept as %1: %2.</source>
        <translation>Impossibile conservare il file precedente come %1: %2.</translation>
    </message>
    <message>
        <source>The file cannot be replaced: %1.</source>
        <translation>Impossibile sostituire il file: %1.</translation>
    </message>
    <message>
        <source>The file is %1 MiB; a job file is at most %2 MiB.</source>
        <translation>Il file è di %1 MiB; un file di commessa è al massimo di %2 MiB.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Impossibile aprire il file: %1.</translation>
    </message>
    <message>
        <source>The file is a folder, not a job file.</source>
        <translation>È una cartella, non un file di commessa.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened.</source>
        <translation>Il file è stato modificato sul disco dopo l’apertura.</translation>
    </message>
    <message>
        <source>A file of that name exists already.</source>
        <translation>Esiste già un file con questo nome.</translation>
    </message>
    <message>
        <source>A text of the job is not UTF-8, so it cannot be saved.</source>
        <translation>Un testo della commessa non è UTF-8, quindi non può essere salvato.</translation>
    </message>
    <message>
        <source>The job is too large for a job file (at most 16 MiB).</source>
        <translation>La commessa è troppo grande per un file di commessa (al massimo 16 MiB).</translation>
    </message>
    <message>
        <source>The job</source>
        <translation>La commessa</translation>
    </message>
    <message>
        <source>must be &quot;flow&quot; or &quot;fill&quot;</source>
        <translation>deve essere &quot;flow&quot; o &quot;fill&quot;</translation>
    </message>
    <message>
        <source>must be &quot;imperial&quot; or &quot;metric&quot;</source>
        <translation>deve essere &quot;imperial&quot; o &quot;metric&quot;</translation>
    </message>
    <message>
        <source>must be a number or true or false</source>
        <translation>deve essere un numero, true o false</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Voce %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: model %2 is not one of the models 1 to %3.</source>
        <translation>%1: il modello %2 non è uno dei modelli da 1 a %3.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: it has no &quot;format&quot;: &quot;zorvik-job&quot;.</source>
        <translation>Il file non è un file di commessa Zorvik: manca &quot;format&quot;: &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: its &quot;format&quot; is %1, not &quot;zorvik-job&quot;.</source>
        <translation>Il file non è un file di commessa Zorvik: il suo &quot;format&quot; è %1, non &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>must be a whole number, 1 or more</source>
        <translation>deve essere un numero intero, 1 o più</translation>
    </message>
    <message>
        <source>The file was written by a newer version of the program%1: it is job file version %2, and this version reads version %3.</source>
        <translation>Il file è stato scritto da una versione più recente del programma%1: è la versione %2 del formato, questa versione legge la %3.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Il file</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>deve essere un elenco</translation>
    </message>
    <message>
        <source>The file nests its values too deeply to be a job file.</source>
        <translation>Il file annida i suoi valori troppo in profondità per essere un file di commessa.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at %1 before its JSON is complete.</source>
        <translation>Il file è troncato: finisce a %1 prima che il JSON sia completo.</translation>
    </message>
    <message>
        <source>The file is not JSON: %1: %2.</source>
        <translation>Il file non è JSON: %1: %2.</translation>
    </message>
    <message>
        <source>The file holds a number too large for the program: %1.</source>
        <translation>Il file contiene un numero troppo grande per il programma: %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: the byte at %1 is no UTF-8 character.</source>
        <translation>Il file non è testo UTF-8: il byte a %1 non è un carattere UTF-8.</translation>
    </message>
    <message>
        <source>%1 must be a JSON object.</source>
        <translation>%1 deve essere un oggetto JSON.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manca</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>deve essere un testo</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>deve essere true o false</translation>
    </message>
    <message>
        <source>must be a number, 0 or more</source>
        <translation>deve essere un numero, 0 o più</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a key this version of the program knows.</source>
        <translation>%1: %2 è una chiave che questa versione del programma non conosce.</translation>
    </message>
    <message>
        <source>%1: %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>The file is read-only for you.</source>
        <translation>Il file è di sola lettura per lei.</translation>
    </message>
    <message>
        <source>It is not a regular file, so nothing is written there.</source>
        <translation>Non è un file normale: lì non viene scritto nulla.</translation>
    </message>
    <message>
        <source>The file is being saved by another program; try again.</source>
        <translation>Il file è in fase di salvataggio da parte di un altro programma; riprovi.</translation>
    </message>
    <message>
        <source>The file is read-only for you; save the job under another name.</source>
        <translation>Il file è di sola lettura per lei; salvi la commessa con un altro nome.</translation>
    </message>
    <message>
        <source>must be %1 at the most</source>
        <translation>deve essere al massimo %1</translation>
    </message>
    <message>
        <source>The file names the key %1 twice in one object.</source>
        <translation>Il file nomina la chiave %1 due volte nello stesso oggetto.</translation>
    </message>
    <message>
        <source>The workbook cannot be made in %1.</source>
        <translation>La cartella di lavoro non può essere creata in %1.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 is not installed.</source>
        <translation>Le cartelle di lavoro non possono essere scritte: la libreria %1 non è installata.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 has no %2.</source>
        <translation>Le cartelle di lavoro non possono essere scritte: nella libreria %1 manca %2.</translation>
    </message>
</context>
<context>
    <name>ModelSelectionChartPrint</name>
    <message>
        <source>Model
Number</source>
        <translation>Numero
modello</translation>
    </message>
    <message>
        <source>
Ratio</source>
        <translation>
Rapporto</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Supply</source>
        <translation>Ingresso
gas
max.
ammesso</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Outlet</source>
        <translation>Uscita
gas
max.
ammessa</translation>
    </message>
    <message>
        <source>Static Outlet
Pressure
Formula</source>
        <translation>Formula della
pressione
statica</translation>
    </message>
    <message>
        <source>Piston
Displ.
Per
Cycle</source>
        <translation>Cilin-
drata
per
ciclo</translation>
    </message>
    <message>
        <source>Max.
Air
Drive</source>
        <translation>Aria
motrice
max.</translation>
    </message>
    <message>
        <source>Drive
Size</source>
        <translation>Taglia
motore</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificatori Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Model Selection Chart</source>
        <translation>Amplificatori  Tabella dei modelli</translation>
    </message>
    <message>
        <source>Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure</source>
        <translation>Pa = Pressione motrice       Ps = Pressione di ingresso del gas</translation>
    </message>
</context>
<context>
    <name>OptionRows</name>
    <message>
        <source>       -C	Air Controls	1</source>
        <translation>       -C	Comandi aria	1</translation>
    </message>
    <message>
        <source>61301	Receiver &amp; Controls	6</source>
        <translation>61301	Serbatoio e comandi	6</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	10</source>
        <translation>       -C	Comandi aria (F-R, manometro e valvola)	10</translation>
    </message>
    <message>
        <source>61310	External Pilot Modification	11</source>
        <translation>61310	Modifica pilotaggio esterno	11</translation>
    </message>
    <message>
        <source>61302	No Load Run Away &amp; Regulator	12</source>
        <translation>61302	Antifuga a vuoto e regolatore	12</translation>
    </message>
    <message>
        <source>61311	Extreme Service Cycling Mod	13</source>
        <translation>61311	Commutazione servizio gravoso	13</translation>
    </message>
    <message>
        <source>61303	Receiver &amp; Controls	14</source>
        <translation>61303	Serbatoio e comandi	14</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	20</source>
        <translation>       -C	Comandi aria (F-R, manometro e valvola)	20</translation>
    </message>
    <message>
        <source>61312	External Pilot Modification	21</source>
        <translation>61312	Modifica pilotaggio esterno	21</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	22</source>
        <translation>  -QP1	Pilotaggio esterno e pressostato pneumatico	22</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	23</source>
        <translation>61313	Contacolpi elettrico	23</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	24</source>
        <translation>61314	Contacolpi meccanico	24</translation>
    </message>
    <message>
        <source>61315	Three Way Cycling Spool	25</source>
        <translation>61315	Cassetto di commutazione a 3 vie	25</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	26</source>
        <translation>61316	Modifica colpo singolo	26</translation>
    </message>
    <message>
        <source>61317	Extreme Service Cycling Mod	27</source>
        <translation>61317	Commutazione servizio gravoso	27</translation>
    </message>
    <message>
        <source>61318	Receiver &amp; Controls	30</source>
        <translation>61318	Serbatoio e comandi	30</translation>
    </message>
    <message>
        <source>61304	125 psig Downstream Regulator	31</source>
        <translation>61304	Regolatore a valle 125 psig	31</translation>
    </message>
    <message>
        <source>61304-1	200 psig Downstream Regulator	32</source>
        <translation>61304-1	Regolatore a valle 200 psig	32</translation>
    </message>
    <message>
        <source>61305	Regulator, Air Pilot Switch, &amp; Relief Valve	35</source>
        <translation>61305	Regolatore, pressostato e valvola di sicurezza	35</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	40</source>
        <translation>       -C	Comandi aria (F-R, manometro e valvola)	40</translation>
    </message>
    <message>
        <source>61319	External Pilot Modification	41</source>
        <translation>61319	Modifica pilotaggio esterno	41</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	42</source>
        <translation>  -QP1	Pilotaggio esterno e pressostato pneumatico	42</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	43</source>
        <translation>61313	Contacolpi elettrico	43</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	44</source>
        <translation>61314	Contacolpi meccanico	44</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	45</source>
        <translation>61316	Modifica colpo singolo	45</translation>
    </message>
    <message>
        <source>61320	Extreme Service Cycling Mod	46</source>
        <translation>61320	Commutazione servizio gravoso	46</translation>
    </message>
    <message>
        <source>61307	No Load Run Away Mod	47</source>
        <translation>61307	Antifuga a vuoto	47</translation>
    </message>
    <message>
        <source>61308	No Load Run Away Mod with Air Controls	48</source>
        <translation>61308	Antifuga a vuoto con comandi aria	48</translation>
    </message>
    <message>
        <source>61309	Receiver &amp; Controls	49</source>
        <translation>61309	Serbatoio e comandi	49</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>%1 not listed: %2</source>
        <translation>%1 non in elenco: %2</translation>
    </message>
    <message>
        <source>Amplifier comparison - continuous process</source>
        <translation>Confronto degli amplificatori - processo continuo</translation>
    </message>
    <message>
        <source>Amplifier comparison - vessel charging</source>
        <translation>Confronto degli amplificatori - riempimento di serbatoi</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Scheda tecnica</translation>
    </message>
    <message>
        <source>Please contact %1 if you require assistance.</source>
        <translation>Per assistenza rivolgersi a %1.</translation>
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
        <translation>Servizio: %1 % velocità, %2 aria</translation>
    </message>
    <message>
        <source>Air drive pressure  %1</source>
        <translation>Pressione motrice  %1</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!<byte value="xd"/>Reset to maximum air drive pressure</source>
        <translation>La pressione motrice è troppo alta!<byte value="xd"/>Riportata alla pressione motrice massima</translation>
    </message>
    <message>
        <source>Outlet pressure   %1</source>
        <translation>Pressione di uscita   %1</translation>
    </message>
    <message>
        <source>Outlet Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Performance prediction and curves are for guidance only.</source>
        <translation>Previsioni e curve sono solo indicative.</translation>
    </message>
    <message>
        <source>Should certified performance be required please contact factory.</source>
        <translation>Per prestazioni certificate rivolgersi alla fabbrica.</translation>
    </message>
    <message>
        <source>= Inlet gas supply  %1</source>
        <translation>= Ingresso gas  %1</translation>
    </message>
    <message>
        <source>Total input air volume required = outlet flow + QA</source>
        <translation>Aria totale richiesta = portata + QA</translation>
    </message>
    <message>
        <source>= Air consumption  %1</source>
        <translation>= Consumo d’aria  %1</translation>
    </message>
    <message>
        <source>Do not use in</source>
        <translation>Non usare</translation>
    </message>
    <message>
        <source>shaded area.</source>
        <translation>nell’area grigia.</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source> Curves for an inlet gas pressure of %1 down to %2 %3.</source>
        <translation> Curve per una pressione del gas in ingresso da %1 fino a %2 %3.</translation>
    </message>
    <message>
        <source> The duty: %1 %2 at %3 at full speed.</source>
        <translation> Il punto di servizio: %1 %2 a %3 a piena velocità.</translation>
    </message>
    <message>
        <source> Charging a vessel from %1 to %2.</source>
        <translation> Riempimento di un serbatoio da %1 a %2.</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Diagramma delle prestazioni</translation>
    </message>
    <message>
        <source>Outlet flow in %1 against outlet pressure in %2 of model %3, %4.</source>
        <translation>Portata in uscita in %1 in funzione della pressione di uscita in %2 del modello %3, %4.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Invio o Ctrl+T ne mostra i valori in una tabella.</translation>
    </message>
    <message>
        <source>Dimension drawing</source>
        <translation>Disegno dimensionale</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Outline of model %1 with its dimensions in %2.</source>
        <translation>Contorno del modello %1 con le sue dimensioni in %2.</translation>
    </message>
    <message>
        <source>Drawing of the option %1 for model %2.</source>
        <translation>Disegno dell’opzione %1 per il modello %2.</translation>
    </message>
    <message>
        <source>Outline of the option %1 for model %2 with its dimensions in %3.</source>
        <translation>Contorno dell’opzione %1 per il modello %2 con le sue dimensioni in %3.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1 could not be printed: the printer could not be started.</source>
        <translation>Impossibile stampare %1: non è stato possibile avviare la stampante.</translation>
    </message>
    <message>
        <source>%1 could not be printed: the job could not be handed to the printer.</source>
        <translation>Impossibile stampare %1: non è stato possibile inviare il lavoro alla stampante.</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>      CRB19   Air Pressure Amplifier Range                               </source>
        <translation>      CRB19   Gamma di amplificatori                 </translation>
    </message>
    <message>
        <source>XSingle Acting   Single Stage</source>
        <translation>XSemplice effetto   monostadio</translation>
    </message>
    <message>
        <source>XEconomical means of boosting pressure, where</source>
        <translation>XMezzo economico per aumentare la</translation>
    </message>
    <message>
        <source>volume is small.</source>
        <translation>pressione di piccoli volumi.</translation>
    </message>
    <message>
        <source>XCompact size</source>
        <translation>XDimensioni compatte</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is</source>
        <translation>XPressione di uscita massima =</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure.</source>
        <translation>    rapporto aree x pressione motrice.</translation>
    </message>
    <message>
        <source>XControl of maximum pressure by means of</source>
        <translation>XPressione massima regolata con</translation>
    </message>
    <message>
        <source>inexpensive air drive pressure regulators.</source>
        <translation>economici regolatori dell’aria motrice.</translation>
    </message>
    <message>
        <source>XHigh output flow Air Pressure Amplifier</source>
        <translation>XAmplificatore ad alta portata</translation>
    </message>
    <message>
        <source>XPressure outputs up to 20 bar (300 psi)</source>
        <translation>XPressioni di uscita fino a 20 bar</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is area ratio x</source>
        <translation>XPressione max. = rapporto aree x</translation>
    </message>
    <message>
        <source>    drive pressure PLUS supply pressure.</source>
        <translation>    pressione motrice PIÙ pressione di ingresso.</translation>
    </message>
    <message>
        <source>XRequires less air drive since the inlet air</source>
        <translation>XRichiede meno aria motrice perché la</translation>
    </message>
    <message>
        <source>pressure itself provides a substantial portion</source>
        <translation>pressione di ingresso fornisce essa stessa</translation>
    </message>
    <message>
        <source>of the driving force.</source>
        <translation>buona parte della forza motrice.</translation>
    </message>
    <message>
        <source>      RB   Air Pressure Amplifier Range                                 </source>
        <translation>      RB   Gamma di amplificatori                   </translation>
    </message>
    <message>
        <source>XPressure outputs up to 310 bar (4500 psi)</source>
        <translation>XPressioni di uscita fino a 310 bar</translation>
    </message>
    <message>
        <source>      RBW  Air Pressure Amplifier Range                                </source>
        <translation>      RBW  Gamma di amplificatori                  </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage   3 Sizes</source>
        <translation>XDoppio effetto   monostadio   3 taglie</translation>
    </message>
    <message>
        <source>XEfficient means of increasing air pressure</source>
        <translation>XMezzo efficiente per aumentare la</translation>
    </message>
    <message>
        <source>XPumps twice volume per cycle of RB Range.</source>
        <translation>XVolume per ciclo doppio della gamma RB.</translation>
    </message>
    <message>
        <source>      RBZ   Air Pressure Amplifier Range                               </source>
        <translation>      RBZ   Gamma di amplificatori                 </translation>
    </message>
    <message>
        <source>XTwo Stage Air Amplifier</source>
        <translation>XAmplificatore a due stadi</translation>
    </message>
    <message>
        <source>XEfficient means of providing air at</source>
        <translation>XMezzo efficiente per fornire aria</translation>
    </message>
    <message>
        <source>higher outlet pressures.</source>
        <translation>a pressioni di uscita più alte.</translation>
    </message>
    <message>
        <source>Xcompression ratio per stage is low.</source>
        <translation>XBasso rapporto di compressione per stadio.</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure PLUS</source>
        <translation>    rapporto aree x pressione motrice PIÙ</translation>
    </message>
    <message>
        <source>    air inlet pressure x area ratio of the</source>
        <translation>    pressione di ingresso x rapporto aree</translation>
    </message>
    <message>
        <source>    two pistons.</source>
        <translation>    dei due pistoni.</translation>
    </message>
    <message>
        <source>      8RBW  Air Pressure Amplifier                                    </source>
        <translation>      8RBW  Amplificatore di pressione                              </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage</source>
        <translation>XDoppio effetto   monostadio</translation>
    </message>
    <message>
        <source>X203 mm (8&quot;) drive</source>
        <translation>XMotore da 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>XZorvik can provide high pressure gauges</source>
        <translation>XZorvik fornisce manometri per alta</translation>
    </message>
    <message>
        <source>to suit your application.</source>
        <translation>pressione adatti alla vostra applicazione.</translation>
    </message>
</context>
<context>
    <name>ProductShow</name>
    <message>
        <source>CRB19 Air Pressure Amplifiers</source>
        <translation>Amplificatori di pressione CRB19</translation>
    </message>
    <message>
        <source>Single acting, single stage, compact</source>
        <translation>Semplice effetto, monostadio, compatto</translation>
    </message>
    <message>
        <source>RB Air Pressure Amplifiers</source>
        <translation>Amplificatori di pressione RB</translation>
    </message>
    <message>
        <source>Single acting, single stage</source>
        <translation>Semplice effetto, monostadio</translation>
    </message>
    <message>
        <source>RBW Air Pressure Amplifiers</source>
        <translation>Amplificatori di pressione RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage</source>
        <translation>Doppio effetto, monostadio</translation>
    </message>
    <message>
        <source>4RBW Air Pressure Amplifier</source>
        <translation>Amplificatore di pressione 4RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage, high flow</source>
        <translation>Doppio effetto, monostadio, alta portata</translation>
    </message>
    <message>
        <source>RBZ Two-Stage Air Pressure Amplifiers</source>
        <translation>Amplificatori di pressione a due stadi RBZ</translation>
    </message>
    <message>
        <source>Two stages for the highest pressures</source>
        <translation>Due stadi per le pressioni più alte</translation>
    </message>
    <message>
        <source>8RBW Air Pressure Amplifier</source>
        <translation>Amplificatore di pressione 8RBW</translation>
    </message>
    <message>
        <source>Double acting, 203 mm (8&quot;) air drive</source>
        <translation>Doppio effetto, motore pneumatico da 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>Outlet pressure up to %1 psi (%2 bar)</source>
        <translation>Pressione di uscita fino a %1 psi (%2 bar)</translation>
    </message>
    <message>
        <source>High Pressure Gauges</source>
        <translation>Manometri per alta pressione</translation>
    </message>
    <message>
        <source>Matched to every amplifier in the range</source>
        <translation>Adatti a ogni amplificatore della gamma</translation>
    </message>
    <message>
        <source>Glycerine-filled, stainless steel cases</source>
        <translation>Riempiti di glicerina, cassa in acciaio inox</translation>
    </message>
    <message>
        <source>Dual scales in psi and bar</source>
        <translation>Doppia scala in psi e bar</translation>
    </message>
    <message>
        <source>Air Pressure Amplifiers   -   move the mouse or press a key to return</source>
        <translation>Amplificatori di pressione   -   muovere il mouse o premere un tasto per tornare</translation>
    </message>
</context>
<context>
    <name>QtNotices</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>%1 normal litres</source>
        <translation>%1 normal litri</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel is already at the final pressure of %1</source>
        <translation>Niente da riempire: il serbatoio è già alla pressione finale di %1</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel starts at %1, above the final pressure of %2</source>
        <translation>Niente da riempire: il serbatoio parte da %1, sopra la pressione finale di %2</translation>
    </message>
    <message>
        <source>at the final pressure of %1</source>
        <translation>alla pressione finale di %1</translation>
    </message>
    <message>
        <source>at the outlet pressure of %1</source>
        <translation>alla pressione di uscita di %1</translation>
    </message>
    <message>
        <source>at %1, below the final pressure of %2</source>
        <translation>a %1, sotto la pressione finale di %2</translation>
    </message>
    <message>
        <source>at %1, below the outlet pressure of %2</source>
        <translation>a %1, sotto la pressione di uscita di %2</translation>
    </message>
    <message>
        <source>Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive pressure than the %2 available (at least %3); it stalls %4</source>
        <translation>Nessuna portata: lo stadio intermedio va in stallo, perché un ingresso di %1 richiede più pressione motrice dei %2 disponibili (almeno %3); va in stallo %4</translation>
    </message>
    <message>
        <source>Delivers no flow: it stalls %1</source>
        <translation>Nessuna portata: va in stallo %1</translation>
    </message>
    <message>
        <source>Delivers no flow: a compression ratio of %1 is more than its stroke can compress</source>
        <translation>Nessuna portata: un rapporto di compressione di %1 supera quanto può comprimere la sua corsa</translation>
    </message>
    <message>
        <source>%1; %2 is required</source>
        <translation>%1; sono richiesti %2</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3</source>
        <translation>%1 si liquefa alla pressione finale di %2 a %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3</source>
        <translation>%1 si liquefa alla pressione di uscita di %2 a %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 si liquefa alla pressione finale di %2 a %3, a partire dalla sua tensione di vapore di %4 a quella temperatura</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 si liquefa alla pressione di uscita di %2 a %3, a partire dalla sua tensione di vapore di %4 a quella temperatura</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is below this model&apos;s minimum of %2</source>
        <translation>La pressione di ingresso di %1 è sotto il minimo di questo modello, %2</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is above this model&apos;s maximum of %2 at this drive pressure</source>
        <translation>La pressione di ingresso di %1 supera il massimo di questo modello, %2 a questa pressione motrice</translation>
    </message>
    <message>
        <source>Final pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La pressione finale di %1 supera il massimo di questo modello, %2</translation>
    </message>
    <message>
        <source>Outlet pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La pressione di uscita di %1 supera il massimo di questo modello, %2</translation>
    </message>
    <message>
        <source>Compression ratio %1 is above this model&apos;s maximum of %2</source>
        <translation>Il rapporto di compressione di %1 supera il massimo di questo modello, %2</translation>
    </message>
    <message>
        <source>Boosts its own drive air: the inlet pressure must equal the drive pressure of %1</source>
        <translation>Comprime la propria aria motrice: la pressione di ingresso deve essere uguale alla pressione motrice di %1</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required on the drive air available</source>
        <translation>Eroga %1, meno dei %2 richiesti con l’aria motrice disponibile</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required</source>
        <translation>Eroga %1, meno dei %2 richiesti</translation>
    </message>
    <message>
        <source>Delivers %1 at the final pressure of %2, less than the %3 a charge needs</source>
        <translation>Eroga %1 alla pressione finale di %2, meno dei %3 che un riempimento richiede</translation>
    </message>
    <message>
        <source>Would run at %1 cycles/min at the initial pressure, above the %2 allowed</source>
        <translation>Funzionerebbe a %1 cicli/min alla pressione iniziale, oltre i %2 ammessi</translation>
    </message>
    <message>
        <source>Fill takes longer than %1 minutes for one tenth of the charge</source>
        <translation>Il riempimento richiede più di %1 minuti per un decimo della carica</translation>
    </message>
    <message>
        <source>Each tenth of the charge is %1, no more than the %2 the sizing can step</source>
        <translation>Ogni decimo della carica è di %1, non più dei %2 che il calcolo può trattare</translation>
    </message>
    <message>
        <source>The real-gas count of the vessel fails: %1</source>
        <translation>Il calcolo come gas reale del serbatoio non riesce: %1</translation>
    </message>
    <message>
        <source>Fill takes %1 minutes, no longer than the %2 minutes the sizing can time</source>
        <translation>Il riempimento dura %1 minuti, non più dei %2 minuti che il calcolo può misurare</translation>
    </message>
    <message>
        <source>under 0.1 %</source>
        <translation>meno dello 0,1 %</translation>
    </message>
    <message>
        <source>%1 (a near miss)</source>
        <translation>%1 (di poco)</translation>
    </message>
    <message>
        <source>%1 on %2 of drive air</source>
        <translation>%1 con %2 di aria motrice</translation>
    </message>
    <message>
        <source>%1 on %2 of the %3 available</source>
        <translation>%1 con %2 dei %3 disponibili</translation>
    </message>
    <message>
        <source>Meets the duty at %1 of maximum speed</source>
        <translation>Soddisfa il servizio al %1 della velocità massima</translation>
    </message>
    <message>
        <source>Meets the duty delivering %1 at %2 of maximum speed</source>
        <translation>Soddisfa il servizio erogando %1 al %2 della velocità massima</translation>
    </message>
    <message>
        <source>%1 (above the %2 advised for continuous duty)</source>
        <translation>%1 (oltre il %2 consigliato per il servizio continuo)</translation>
    </message>
    <message>
        <source>Delivers %1 flat out, %2 short of the %3 required</source>
        <translation>Eroga %1 a piena potenza, il %2 in meno dei %3 richiesti</translation>
    </message>
    <message>
        <source>%1; it would take more than %2 units in parallel</source>
        <translation>%1; servirebbero più di %2 unità in parallelo</translation>
    </message>
    <message>
        <source>%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together</source>
        <translation>%1; %2 unità in parallelo, ciascuna al %3 della velocità massima, consumano insieme %4 di aria motrice</translation>
    </message>
    <message>
        <source>%1, within the %2 available</source>
        <translation>%1, entro i %2 disponibili</translation>
    </message>
    <message>
        <source>%1, more than the %2 available</source>
        <translation>%1, più dei %2 disponibili</translation>
    </message>
    <message>
        <source>Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short</source>
        <translation>Richiede %1 di aria motrice al %2 della velocità massima; ai %3 disponibili manca il %4</translation>
    </message>
    <message>
        <source>%1; the list&apos;s method, which runs the amplifier flat out on the air available, leaves it out</source>
        <translation>%1; l’elenco, che fa funzionare l’amplificatore a piena potenza con l’aria disponibile, lo esclude</translation>
    </message>
    <message>
        <source>%1; the list leaves it out as it asks for more than exactly the flow required</source>
        <translation>%1; l’elenco lo esclude perché richiede più della portata esattamente richiesta</translation>
    </message>
    <message>
        <source>Its discharge can reach %1, above the %2 limit</source>
        <translation>La mandata può raggiungere %1, oltre il limite di %2</translation>
    </message>
</context>
<context>
    <name>SaturationChart</name>
    <message>
        <source>Saturation lines</source>
        <translation>Linee di saturazione</translation>
    </message>
    <message>
        <source>pressure dewpoint of the air at %1 %2</source>
        <translation>punto di rugiada in pressione dell’aria a %1 %2</translation>
    </message>
    <message>
        <source>Air temperature, %1</source>
        <translation>Temperatura dell’aria, %1</translation>
    </message>
    <message>
        <source>Water condenses left of a line</source>
        <translation>A sinistra: condensa</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Tag</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Eroga</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aria motrice</translation>
    </message>
    <message>
        <source>Cycles/min</source>
        <translation>Cicli/min</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Costo di esercizio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 all’anno</translation>
    </message>
    <message>
        <source>%1 a fill</source>
        <translation>%1 per riempimento</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>riempimento</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>portata</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>illimitata</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, outlet %4, flow %5</source>
        <translation>aria motrice %1, aria %2, ingresso %3, uscita %4, portata %5</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, %4 to %5, %6</source>
        <translation>aria motrice %1, aria %2, ingresso %3, da %4 a %5, %6</translation>
    </message>
    <message>
        <source>equalised to the inlet pressure first</source>
        <translation>prima uguagliata alla pressione di ingresso</translation>
    </message>
    <message>
        <source>no model chosen</source>
        <translation>nessun modello scelto</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Pressione motrice</translation>
    </message>
    <message>
        <source>Drive air available</source>
        <translation>Aria motrice disponibile</translation>
    </message>
    <message>
        <source>unlimited (the air available is ignored)</source>
        <translation>illimitata (l’aria disponibile è ignorata)</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Pressione di ingresso del gas</translation>
    </message>
    <message>
        <source>%1, the air drive pressure</source>
        <translation>%1, la pressione motrice</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Pressione di uscita</translation>
    </message>
    <message>
        <source>Required flow</source>
        <translation>Portata richiesta</translation>
    </message>
    <message>
        <source>any (the flow rate is ignored)</source>
        <translation>qualsiasi (la portata è ignorata)</translation>
    </message>
    <message>
        <source>Initial vessel pressure</source>
        <translation>Pressione iniziale del serbatoio</translation>
    </message>
    <message>
        <source>Final vessel pressure</source>
        <translation>Pressione finale del serbatoio</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Capacità del serbatoio</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gas da comprimere</translation>
    </message>
    <message>
        <source>Discharge temperature limit</source>
        <translation>Limite della temperatura di mandata</translation>
    </message>
    <message>
        <source>Vessel contents</source>
        <translation>Contenuto del serbatoio</translation>
    </message>
    <message>
        <source>counted with the real-gas model</source>
        <translation>calcolato con il modello del gas reale</translation>
    </message>
    <message>
        <source>counted as an ideal gas</source>
        <translation>calcolato come gas ideale</translation>
    </message>
    <message>
        <source>Gas taken from the drive air supply</source>
        <translation>Gas prelevato dall&apos;alimentazione dell&apos;aria motrice</translation>
    </message>
    <message>
        <source>yes, its flow counts in the running cost</source>
        <translation>sì, la sua portata conta nel costo di esercizio</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>SelectionLayouts</name>
    <message>
        <source>Fill Time Minutes</source>
        <translation>Riempim. min</translation>
    </message>
    <message>
        <source>Average Air used n.m3</source>
        <translation>Aria media n.m3</translation>
    </message>
    <message>
        <source>Total Air n.m3</source>
        <translation>Aria totale n.m3</translation>
    </message>
    <message>
        <source>Average Cycles / Min</source>
        <translation>Cicli medi / min</translation>
    </message>
    <message>
        <source>Average Air Used Scfm</source>
        <translation>Aria media Scfm</translation>
    </message>
    <message>
        <source>Total Air S.Cu.Ft</source>
        <translation>Aria totale S.Cu.Ft</translation>
    </message>
    <message>
        <source>Flow rate nl/min</source>
        <translation>Portata nl/min</translation>
    </message>
    <message>
        <source>Air used n.m3</source>
        <translation>Consumo aria n.m3</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cicli / min</translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Portata Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Consumo aria Scfm</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinders</source>
        <translation>Sorgente a pressione costante che riempie serbatoi o bombole</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Sorgente a pressione costante che alimenta un processo continuo</translation>
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
        <translation>Limite °C</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Limite °F</translation>
    </message>
    <message>
        <source>Change to Imperial &amp;Units</source>
        <translation>&amp;Unità imperiali</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units</source>
        <translation>&amp;Unità metriche</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aria motrice psig</translation>
    </message>
    <message>
        <source>Air Drive barg</source>
        <translation>Aria motrice barg</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aria motrice scfm</translation>
    </message>
    <message>
        <source>Air Drive Flow nl/min</source>
        <translation>Aria motrice nl/min</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Ingresso gas psig</translation>
    </message>
    <message>
        <source>Air / Gas Inlet barg</source>
        <translation>Ingresso gas barg</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Portata scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Uscita psig</translation>
    </message>
    <message>
        <source>Outlet barg</source>
        <translation>Uscita barg</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Iniziale psig</translation>
    </message>
    <message>
        <source>Initial barg</source>
        <translation>Iniziale barg</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Finale psig</translation>
    </message>
    <message>
        <source>Final barg</source>
        <translation>Finale barg</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volume ft.3</translation>
    </message>
    <message>
        <source>Capacity litres</source>
        <translation>Volume litri</translation>
    </message>
    <message>
        <source>		Enter data for this type of application</source>
        <translation>		Inserire i dati di questa applicazione</translation>
    </message>
    <message>
        <source>		and click list selections to</source>
        <translation>		e fare clic su Elenca i modelli</translation>
    </message>
    <message>
        <source>		display possible options.</source>
        <translation>		per vedere i modelli possibili.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Model No.</source>
        <translation>Modello n.</translation>
    </message>
    <message>
        <source>Flow rate </source>
        <translation>Portata </translation>
    </message>
    <message>
        <source>Air Used </source>
        <translation>Aria cons. </translation>
    </message>
    <message>
        <source>Cycles / min</source>
        <translation>Cicli / min</translation>
    </message>
    <message>
        <source>Fill time</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Total Air Used</source>
        <translation>Aria totale</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continous process</source>
        <translation>Sorgente a pressione costante che alimenta un processo continuo</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Sorgente a pressione costante che riempie un serbatoio o una bombola</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>%1 (average)</source>
        <translation>%1 (media)</translation>
    </message>
    <message>
        <source>(average)</source>
        <translation>(media)</translation>
    </message>
    <message>
        <source>Initial outlet</source>
        <translation>Uscita iniziale</translation>
    </message>
    <message>
        <source>Final outlet</source>
        <translation>Uscita finale</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Volume serbatoio</translation>
    </message>
    <message>
        <source>Air outlet</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Flow required: any (the window ignores it)</source>
        <translation>Portata richiesta: qualsiasi (ignorata)</translation>
    </message>
    <message>
        <source>Flow required</source>
        <translation>Portata richiesta</translation>
    </message>
    <message>
        <source>Air available: not limited</source>
        <translation>Aria disponibile: illimitata</translation>
    </message>
    <message>
        <source>Air available</source>
        <translation>Aria disponibile</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificatori Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Selection choices</source>
        <translation>Amplificatori  Selezione</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Tipo di applicazione</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gas da comprimere</translation>
    </message>
    <message>
        <source>Inlet conditions</source>
        <translation>Condizioni in ingresso</translation>
    </message>
    <message>
        <source>Outlet conditions</source>
        <translation>Condizioni in uscita</translation>
    </message>
    <message>
        <source>Air Drive</source>
        <translation>Aria motrice</translation>
    </message>
    <message>
        <source>Air Inlet</source>
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>Air used figures listed above indicate the drive air volume required</source>
        <translation>I consumi qui sopra indicano l’aria motrice necessaria.</translation>
    </message>
    <message>
        <source>Add outlet air quantity to obtain total input required.</source>
        <translation>Sommare la portata di uscita per avere l’aria totale richiesta.</translation>
    </message>
</context>
<context>
    <name>TAdjustAirDriveForm</name>
    <message>
        <source>Adjust operating conditions</source>
        <translation>Regola le condizioni di esercizio</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Pressione motrice max.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to Air drive pressure  (Pa) with this model. Use a common connection for drive and input supply</source>
        <translation>Con questo modello la pressione di ingresso del gas (Ps) deve essere uguale alla pressione motrice (Pa). Usare un attacco comune per motore e ingresso</translation>
    </message>
    <message>
        <source>Min gas inlet pressure</source>
        <translation>Press. ingresso gas min.</translation>
    </message>
    <message>
        <source>Max gas inlet pressure</source>
        <translation>Press. ingresso gas max.</translation>
    </message>
    <message>
        <source>New air drive pressure will be applied to all graphs displayed</source>
        <translation>La nuova pressione motrice vale per tutti i grafici</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Pressione motrice</translation>
    </message>
    <message>
        <source>Gas inlet pressure will only apply to this model number.</source>
        <translation>La pressione di ingresso vale solo per questo modello.</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Pressione di ingresso</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Nuovo grafico</translation>
    </message>
</context>
<context>
    <name>TAmplifierSelectionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Selection</source>
        <translation>Amplificatori di pressione Zorvik  -  Selezione</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aria motrice psig</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aria motrice scfm</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Ingresso gas psig</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Portata scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Uscita psig</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Iniziale psig</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Finale psig</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volume ft.3</translation>
    </message>
    <message>
        <source> &amp;Inlet pressure equal</source>
        <translation> &amp;Ingresso uguale</translation>
    </message>
    <message>
        <source>to air drive pressure</source>
        <translation>alla press. motrice</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Sorgente a pressione costante che alimenta un processo continuo</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Sorgente a pressione costante che riempie un serbatoio o una bombola</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Fill Cylinder</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units </source>
        <translation>&amp;Unità metriche </translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source> 1. Select application type from 
      above choices.
 2. Enter appropriate conditions.
 3. Choose selection options.
 4. Click list sections button.</source>
        <translation> 1. Scegliere il tipo di applicazione
      qui sopra.
 2. Inserire le condizioni.
 3. Scegliere le opzioni.
 4. Fare clic su Elenca i modelli.</translation>
    </message>
    <message>
        <source>Selection Options</source>
        <translation>Opzioni di selezione</translation>
    </message>
    <message>
        <source> Ignore air available setting</source>
        <translation> Ignorare l’aria disponibile</translation>
    </message>
    <message>
        <source> Ignore flow rate setting</source>
        <translation> Ignorare la portata</translation>
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
        <translation>Limite °F</translation>
    </message>
    <message>
        <source> Real-gas vessel contents</source>
        <translation> Serbatoio come gas reale</translation>
    </message>
    <message>
        <source>Model       Number   </source>
        <translation>Modello       Numero   </translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Portata Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Consumo aria Scfm</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cicli / min</translation>
    </message>
    <message>
        <source>
     Please wait.     Searching for options....</source>
        <translation>
     Attendere.     Ricerca dei modelli in corso....</translation>
    </message>
    <message>
        <source>Air used figures displayed above indicate the dive air volume required, add outlet air quantity to obtain total input required</source>
        <translation>I consumi qui sopra indicano l’aria motrice necessaria; sommare la portata di uscita per avere l’aria totale richiesta</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Mostra &amp;disegno</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>&amp;List Selections</source>
        <translation>&amp;Elenca i modelli</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;onfronta</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Tipo di applicazione</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Modelli selezionati</translation>
    </message>
    <message>
        <source>One row for each model that meets the duty: model, flow rate or fill time, air used, cycles per minute and total air</source>
        <translation>Una riga per ogni modello che soddisfa il servizio: modello, portata o tempo di riempimento, aria consumata, cicli al minuto e aria totale</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca in corso</translation>
    </message>
</context>
<context>
    <name>TZampApplicationsForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Applications and Benefits</source>
        <translation>Amplificatori di pressione Zorvik  -  Applicazioni e vantaggi</translation>
    </message>
    <message>
        <source>Typical Applications</source>
        <translation>Applicazioni tipiche</translation>
    </message>
    <message>
        <source>Why Use Zorvik Air Amplifiers?</source>
        <translation>Perché un amplificatore Zorvik?</translation>
    </message>
    <message>
        <source>An air amplifier is the simple alternative to a dedicated high-pressure compressor wherever compressed air is already piped.

It is compact and needs no electrical supply, motor or mechanical drive: it is powered by the air it boosts, so it can stand right at the point of use.

It works in any mounting position.

It needs no foundation and little maintenance.</source>
        <translation>Un amplificatore è la semplice alternativa a un compressore ad alta pressione dedicato dove l’aria compressa è già distribuita.

È compatto e non richiede elettricità, motore o trasmissione: lo aziona l’aria che comprime, quindi si installa sul punto d’uso.

Funziona in ogni posizione di montaggio.

Non richiede fondazioni e poca manutenzione.</translation>
    </message>
    <message>
        <source>Key Features</source>
        <translation>Caratteristiche principali</translation>
    </message>
    <message>
        <source>Variable outlet pressure and flow
No heat, flame or spark risk
No air-line lubrication needed
Long seal life
Wide range of models, controls and options
Standard and custom-built systems</source>
        <translation>Pressione e portata di uscita regolabili
Nessun rischio di calore, fiamme o scintille
Nessuna lubrificazione dell’aria necessaria
Lunga durata delle guarnizioni
Ampia scelta di modelli, comandi e opzioni
Sistemi standard e su misura</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Typical applications</source>
        <translation>Applicazioni tipiche</translation>
    </message>
    <message>
        <source>Six uses of an air amplifier: pressure testing, cylinders and actuators, gas charging, press clamping, air receiver charging and part ejection</source>
        <translation>Sei impieghi di un amplificatore: prove di pressione, cilindri e attuatori, riempimento di gas, serraggio di presse, riempimento di serbatoi d’aria ed espulsione di pezzi</translation>
    </message>
    <message>
        <source>Single-stage air amplifier</source>
        <translation>Amplificatore monostadio</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificatore con la sezione motrice ad aria e la sezione pompa su un unico telaio</translation>
    </message>
</context>
<context>
    <name>TZampCalcCycleSpeedForm</name>
    <message>
        <source>Calculation of Cycle Speed</source>
        <translation>Calcolo della velocità di ciclo</translation>
    </message>
    <message>
        <source>The cycle speed of an amplifier is its outlet flow divided by the free-air volume it displaces in one cycle. That volume is worked out from the piston displacement per cycle (Db) of the model, given in the Model Selection Chart, and from the supply pressure (Ps) at which the pump section fills. The examples below work the volume out in metric and in imperial units.</source>
        <translation>La velocità di ciclo di un amplificatore è la sua portata di uscita divisa per il volume d’aria libera spostato in un ciclo. Tale volume si ricava dalla cilindrata per ciclo (Db) del modello, data nella tabella dei modelli, e dalla pressione di alimentazione (Ps) che riempie la parte pompa. Gli esempi sotto lo calcolano in unità metriche e imperiali.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Esempi</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in litres and Ps the supply pressure in bar gauge. Adding 1.0 to Ps and dividing by 1.0 converts the pressure to absolute atmospheres, so the result is in normal litres of free air per cycle; 0.85 is an approximate efficiency factor for the filling and clearance losses of the pump section.
Cycle speed (cycles/min) = outlet flow (normal litres/min) / normal litres per cycle.</source>
        <translation>dove Db è la cilindrata per ciclo in litri e Ps la pressione di alimentazione in bar relativi. Sommando 1,0 a Ps e dividendo per 1,0 si ha la pressione in atmosfere assolute, quindi il risultato è in normal litri d’aria libera per ciclo; 0,85 è un rendimento approssimato (riempimento e spazio nocivo).
Velocità di ciclo (cicli/min) = portata di uscita (normal litri/min) / normal litri per ciclo.</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in cubic inches (dividing by 1728 gives cubic feet) and Ps the supply pressure in psig. Adding 14.7 to Ps and dividing by 14.7 converts it to absolute atmospheres, so the result is in standard cubic feet per cycle; 0.85 is the same approximate efficiency factor.
Cycle speed (cycles/min) = outlet flow (scfm) / scf per cycle.</source>
        <translation>dove Db è la cilindrata per ciclo in pollici cubi (divisa per 1728 in piedi cubi) e Ps la pressione di alimentazione in psig. Sommando 14,7 a Ps e dividendo per 14,7 si hanno atmosfere assolute, quindi il risultato è in piedi cubi standard per ciclo; 0,85 è lo stesso rendimento approssimato.
Velocità di ciclo (cicli/min) = portata di uscita (scfm) / scf per ciclo.</translation>
    </message>
    <message>
        <source>When the maximum outlet flow required is known, convert it into a cycle speed and compare it with the maximum cycle rate of the model. For continuous duty derate the speed to about 50 % of the maximum and convert that back into a flow: this is the flow to rate the model at. Where one amplifier cannot give the flow at the derated speed, use several units in parallel.

Example: a model with Db = 6.2 cubic inches, at Ps = 100 psig, delivers 6.2/1728 × 114.7/14.7 × 0.85 = 0.0238 scf per cycle. At 50 % of a maximum rate of 95 cycles/min it is rated at 47.5 × 0.0238 = 1.13 scfm, so a continuous demand of 1.5 scfm needs two units in parallel.</source>
        <translation>Nota la portata di uscita massima richiesta, la si converte in velocità di ciclo e la si confronta con la cadenza massima del modello. In servizio continuo si riduce la velocità al 50 % circa del massimo e la si riconverte in portata: è la portata nominale del modello. Se un amplificatore non basta, se ne usano più in parallelo.

Esempio: un modello con Db = 6,2 pollici cubi, a Ps = 100 psig, eroga 6,2/1728 × 114,7/14,7 × 0,85 = 0,0238 scf per ciclo. Al 50 % di una cadenza massima di 95 cicli/min rende 47,5 × 0,0238 = 1,13 scfm, quindi una richiesta continua di 1,5 scfm vuole due unità in parallelo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Frequenza dei cicli</translation>
    </message>
    <message>
        <source>Normal litres per cycle</source>
        <translation>Normal litri per ciclo</translation>
    </message>
    <message>
        <source>Normal litres per cycle = Db x (Ps + 1.0) / 1.0 x 0.85</source>
        <translation>Normal litri per ciclo = Db x (Ps + 1.0) / 1.0 x 0.85</translation>
    </message>
    <message>
        <source>Example in normal litres</source>
        <translation>Esempio in normal litri</translation>
    </message>
    <message>
        <source>Standard cubic feet per cycle</source>
        <translation>Piedi cubi standard per ciclo</translation>
    </message>
    <message>
        <source>SCF per cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</source>
        <translation>SCF per ciclo = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</translation>
    </message>
    <message>
        <source>Example in standard cubic feet</source>
        <translation>Esempio in piedi cubi standard</translation>
    </message>
    <message>
        <source>Rating a model for a flow</source>
        <translation>Valutare un modello per una portata</translation>
    </message>
</context>
<context>
    <name>TZampGeneralDescriptionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  General Description</source>
        <translation>Amplificatori di pressione Zorvik  -  Descrizione generale</translation>
    </message>
    <message>
        <source>What is A Zorvik Air Pressure Amplifier</source>
        <translation>Che cos’è un amplificatore di pressione Zorvik</translation>
    </message>
    <message>
        <source>A Zorvik air pressure amplifier is an air-driven pump that raises the pressure of compressed air or gas. Part of the incoming air supply drives it; no electricity or other power is needed.

The pressure is generated by a differential-area piston: a large air drive piston, driven by air at line pressure, and a smaller pump piston on a common rod. The same force acts on both, so the pressure in the pump section is raised in the ratio of the two areas.

Cycling is automatic. At each end of the stroke the piston opens one of two pilot valves, which pressurises or vents the large end of an unbalanced cycling spool. Air on its small end acts as an air spring, so the spool snaps between its two positions and reverses the drive air; it cannot stop half way.</source>
        <translation>Un amplificatore di pressione Zorvik è una pompa pneumatica che aumenta la pressione dell’aria compressa o di un gas. Una parte dell’aria in ingresso lo aziona; non serve elettricità né altra energia.

La pressione nasce da un pistone differenziale: un grande pistone motore, spinto dall’aria di rete, e un piccolo pistone pompa sullo stesso stelo. Su entrambi agisce la stessa forza, quindi la pressione nella pompa sale nel rapporto delle aree.

L’inversione è automatica. A fine corsa il pistone apre una di due valvole pilota, che pressurizza o scarica il lato grande di un cassetto sbilanciato. L’aria sul lato piccolo fa da molla: il cassetto scatta tra le due posizioni e inverte l’aria motrice; non può fermarsi a metà.</translation>
    </message>
    <message>
        <source>The area ratio - air drive piston area to pump piston area - is the dash number of every model code: an RB-15 has an area ratio of 15. With the air drive pressure it sets the maximum outlet pressure. A single-acting RB-15 driven with air at 90 psig (6.2 barg) stalls at 15 × 90 = 1350 psig (93 barg); in double-acting models the supply pressure adds to this. The data sheet of each model gives its exact stall formula.

Seals and bearings are lubrication-free: no oil is needed in the drive air, and none is carried into the boosted gas.</source>
        <translation>Il rapporto delle aree - area del pistone motore su quella del pistone pompa - è il numero dopo il trattino del codice: un RB-15 ha rapporto 15. Con la pressione motrice fissa la pressione di uscita massima. Un RB-15 a semplice effetto azionato a 90 psig (6,2 barg) va in stallo a 15 × 90 = 1350 psig (93 barg); nei modelli a doppio effetto si aggiunge la pressione di alimentazione. La scheda di ogni modello dà la formula esatta.

Guarnizioni e cuscinetti lavorano senza lubrificazione: l’aria motrice non richiede olio e nessuno finisce nel gas compresso.</translation>
    </message>
    <message>
        <source>The amplifier is completely self-regulating. As the outlet pressure rises the piston slows, and at the maximum outlet pressure the forces on it balance and it stops: the amplifier stalls and holds the pressure without using any air or energy. When the outlet pressure falls, because gas is drawn off or leaks away, it starts cycling again automatically and restores it. No pressure switch or other control is needed.

Double-acting models pump on both strokes, delivering twice the volume per cycle of a single-acting model, and the supply pressure on their pump pistons helps to drive them. Two-stage models reach high pressures efficiently with a low compression ratio per stage. Power sizes range from 1/3 HP to 8 HP.</source>
        <translation>L’amplificatore è del tutto autoregolante. Salendo la pressione di uscita il pistone rallenta; alla pressione massima le forze si bilanciano e si ferma: l’amplificatore va in stallo e mantiene la pressione senza consumare aria né energia. Quando la pressione scende, per prelievo o perdite, riparte da solo e la ripristina. Non servono pressostati o altri comandi.

I modelli a doppio effetto pompano in entrambe le corse, erogando il doppio del volume per ciclo, e la pressione di alimentazione sui pistoni pompa aiuta ad azionarli. I modelli a due stadi raggiungono alte pressioni in modo efficiente con un basso rapporto per stadio. Potenze da 1/3 CV a 8 CV.</translation>
    </message>
    <message>
        <source>Zorvik amplifiers are powered and controlled by the air they boost. They need no electrical connections, so they are safe in hazardous areas, and they are small enough to mount on the machine they serve.</source>
        <translation>Gli amplificatori Zorvik sono azionati e comandati dall’aria che comprimono. Senza collegamenti elettrici sono sicuri nelle aree pericolose e abbastanza piccoli da montarsi sulla macchina.</translation>
    </message>
    <message>
        <source>&amp;Using Performance Curves</source>
        <translation>&amp;Leggere le curve</translation>
    </message>
    <message>
        <source>&amp;Sizing Air Amplifiers</source>
        <translation>&amp;Dimensionare gli amplificatori</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificatore</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificatore con la sezione motrice ad aria e la sezione pompa su un unico telaio</translation>
    </message>
    <message>
        <source>Sectional view</source>
        <translation>Vista in sezione</translation>
    </message>
    <message>
        <source>A double-acting air amplifier cut open: the large air drive piston and the small pump pistons on one rod</source>
        <translation>Un amplificatore a doppio effetto sezionato: il grande pistone motore ad aria e i piccoli pistoni della pompa su un unico stelo</translation>
    </message>
    <message>
        <source>The area ratio</source>
        <translation>Il rapporto delle aree</translation>
    </message>
    <message>
        <source>Self-regulation</source>
        <translation>Autoregolazione</translation>
    </message>
    <message>
        <source>Power and control</source>
        <translation>Potenza e controllo</translation>
    </message>
</context>
<context>
    <name>TZampModelSelectionChartForm</name>
    <message>
        <source>Zorvik Air Driven Air Amplifiers - Model Selection Chart</source>
        <translation>Amplificatori di pressione Zorvik - Tabella dei modelli</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>Max. Inlet Gas Press.</source>
        <translation>Ingresso gas max.</translation>
    </message>
    <message>
        <source>Max. Outlet Gas Press.</source>
        <translation>Uscita gas max.</translation>
    </message>
    <message>
        <source>Static Outlet Pressure Formula</source>
        <translation>Formula della pressione statica</translation>
    </message>
    <message>
        <source>Piston Displ. per Cycle</source>
        <translation>Cilindrata per ciclo</translation>
    </message>
    <message>
        <source>Max. Air Drive</source>
        <translation>Aria motrice max.</translation>
    </message>
    <message>
        <source>Drive Size</source>
        <translation>Taglia motore</translation>
    </message>
    <message>
        <source>Model Number Codes</source>
        <translation>Codici dei numeri di modello</translation>
    </message>
    <message>
        <source>RB - single acting, single stage.
RBW - double acting, single stage: gains lift from the inlet gas pressure.
RBZ - two stage, with two pistons of different ratios.
The figure after the dash is the pressure ratio.</source>
        <translation>RB - semplice effetto, monostadio.
RBW - doppio effetto, monostadio: aiutato dalla pressione di ingresso.
RBZ - due stadi, con due pistoni di rapporti diversi.
Il numero dopo il trattino è il rapporto di pressione.</translation>
    </message>
    <message>
        <source>• Pa = Air drive pressure
• Ps = Supply Inlet gas pressure</source>
        <translation>• Pa = Pressione motrice
• Ps = Pressione di ingresso del gas</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Model selection chart</source>
        <translation>Tabella dei modelli</translation>
    </message>
    <message>
        <source>One row for each model: model number, ratio, maximum inlet and outlet gas pressure, static outlet pressure formula, piston displacement per cycle, maximum air drive pressure and drive size</source>
        <translation>Una riga per ogni modello: numero del modello, rapporto, pressione massima del gas in ingresso e in uscita, formula della pressione statica di uscita, cilindrata per ciclo, pressione massima dell’aria motrice e dimensione del motore</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Simboli</translation>
    </message>
</context>
<context>
    <name>TZampOperationalGuideForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Operational Guidelines</source>
        <translation>Amplificatori di pressione Zorvik  -  Indicazioni d’uso</translation>
    </message>
    <message>
        <source>Operational Guidelines</source>
        <translation>Indicazioni d’uso</translation>
    </message>
    <message>
        <source>While Zorvik amplifiers are built to boost compressed air straight from the plant supply, remember that all such air carries moisture. Compressing it again raises the pressure of its water vapour too, and the higher the outlet pressure, the more of it condenses out as water. A little moisture at a moderate pressure</source>
        <translation>Gli amplificatori Zorvik comprimono l’aria presa direttamente dalla rete, ma quell’aria contiene sempre umidità. Comprimerla ancora alza anche la pressione del vapore acqueo, e più alta è la pressione di uscita, più ne condensa in acqua. Un po’ di umidità a pressione moderata</translation>
    </message>
    <message>
        <source>level does no harm. But once the boosted air is saturated, water collects in the pump section and the outlet line: it washes the grease from seals and bores, corrodes, and shortens the intervals between services.

For higher pressures, 40 barg or 600 psig for example, dry gases such as nitrogen are the better choice, or the air must be dried before the pump section (see Saturated Air). Where the quality of the delivered gas is critical, use a gas booster, which keeps the drive air completely apart from the gas being boosted.

Fit a filter with an automatic drain ahead of the amplifier, and drain the receiver and the outlet line regularly.</source>
        <translation>non nuoce. Ma quando l’aria compressa è satura, l’acqua si raccoglie nella pompa e nella linea di uscita: lava via il grasso da guarnizioni e canne, corrode e accorcia gli intervalli di manutenzione.

Per pressioni più alte, ad esempio 40 barg o 600 psig, sono meglio gas secchi come l’azoto, oppure l’aria va essiccata prima della pompa (vedi Aria satura). Se la qualità del gas è critica, usare un booster per gas, che separa del tutto l’aria motrice dal gas compresso.

Montare un filtro con scarico automatico prima dell’amplificatore e scaricare spesso serbatoio e linea di uscita.</translation>
    </message>
    <message>
        <source>Preventing &apos;No Load Runaway&apos;</source>
        <translation>Evitare la fuga a vuoto</translation>
    </message>
    <message>
        <source>Various manual and automatic controls prevent no-load runaway: an amplifier racing at full speed when its outlet is suddenly opened or a line bursts. See the options in the Dimensions &amp; Graphs window.</source>
        <translation>Vari comandi manuali e automatici evitano la fuga a vuoto: un amplificatore che corre a piena velocità quando l’uscita si apre di colpo o una linea scoppia. Vedere le opzioni della finestra Dimensioni e curve.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls. Ask your local office which of them suit your application.</source>
        <translation>Zorvik offre opzioni di sistema, tra cui serbatoi d’aria e comandi. Chiedete alla vostra sede quali si adattano alla vostra applicazione.</translation>
    </message>
    <message>
        <source>Maximum cycle rate</source>
        <translation>Cadenza massima</translation>
    </message>
    <message>
        <source>The maximum cycle rate is a factor of the drive series: each series has its own, set by the size of its air drive and its cycling valves. It is reached where the outlet pressure meets the air drive / supply pressure on the performance graphs, at the left-hand end of each flow curve, where the amplifier works against the least back pressure.

Continuous running at the maximum rate wears the seals quickly. For continuous duty, size the amplifier to run at about 50 % of its maximum cycle rate; intermittent duty may use the full rate. The Calculation of Cycle Speed below shows how to work it out.

A high cycle rate also heats the pump section and the delivered air. Where an amplifier must run for long periods, choose a larger model that does the work at a lower speed, and keep the drive air clean and dry so that the cycling valves stay free.</source>
        <translation>La cadenza massima dipende dalla serie del motore: ogni serie ha la sua, fissata dalla taglia del motore e delle valvole di inversione. Si raggiunge dove la pressione di uscita incontra la pressione motrice / di alimentazione sui grafici, all’estremo sinistro di ogni curva, contro la minima contropressione.

Funzionare di continuo alla cadenza massima consuma presto le guarnizioni. In servizio continuo dimensionare l’amplificatore per circa il 50 % della cadenza massima; in servizio intermittente si può usare quella piena. Il Calcolo della velocità di ciclo qui sotto mostra come.

Una cadenza alta scalda anche la pompa e l’aria erogata. Per funzionamenti lunghi scegliere un modello più grande che lavori più lento, e tenere l’aria motrice pulita e secca perché le valvole restino libere.</translation>
    </message>
    <message>
        <source>Other considerations include</source>
        <translation>Da considerare inoltre</translation>
    </message>
    <message>
        <source>Cycling rate and unloaded operation: an amplifier should not run for long at high speed against little or no load, when it wears without doing useful work.

Size it so that the outlet pressure required is not too small a fraction of its maximum (stall) pressure: a model worked at the bottom of its range runs fast and uses more drive air for each cubic foot delivered. Where less flow is needed, throttle the drive air rather than let the amplifier race.</source>
        <translation>Cadenza e funzionamento a vuoto: un amplificatore non deve girare a lungo veloce con carico scarso o nullo; si consuma senza lavoro utile.

Dimensionarlo in modo che la pressione di uscita richiesta non sia una frazione troppo piccola della sua pressione massima (di stallo): un modello in fondo alla sua gamma gira veloce e usa più aria motrice per piede cubo erogato. Se serve meno portata, strozzare l’aria motrice invece di far correre l’amplificatore.</translation>
    </message>
    <message>
        <source>&amp;Calculation of Cycle Speed</source>
        <translation>&amp;Calcolo della velocità di ciclo</translation>
    </message>
    <message>
        <source>&amp;Saturated Air - Some Precautions</source>
        <translation>Aria &amp;satura - alcune precauzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in the boosted air</source>
        <translation>Umidità nell’aria amplificata</translation>
    </message>
    <message>
        <source>Double-acting air amplifier</source>
        <translation>Amplificatore a doppio effetto</translation>
    </message>
    <message>
        <source>A double-acting air amplifier with a pump section at each end</source>
        <translation>Un amplificatore a doppio effetto con una sezione pompa a ciascuna estremità</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Opzioni di sistema</translation>
    </message>
</context>
<context>
    <name>TZampSaturatedAirForm</name>
    <message>
        <source>Saturated Air - Some Precautions</source>
        <translation>Aria satura - alcune precauzioni</translation>
    </message>
    <message>
        <source>All air contains moisture, and compressed air holds the moisture of several volumes of atmospheric air in one. Most pneumatic equipment prefers dry air, and an air amplifier is no exception: it raises the pressure of the water vapour along with that of the air, so the higher it boosts the pressure, the drier the air at its inlet must be</source>
        <translation>Tutta l’aria contiene umidità, e l’aria compressa porta quella di più volumi d’aria ambiente in uno solo. Quasi tutti gli apparecchi pneumatici preferiscono aria secca, anche l’amplificatore: alza con la pressione dell’aria anche quella del vapore acqueo; più comprime, più secca deve essere l’aria in ingresso</translation>
    </message>
    <message>
        <source>to stay dry at its outlet. &quot;Dry&quot; is relative: what counts is the dewpoint, the temperature at which the moisture in the air starts to condense at the pressure it is at. Compressing air raises its dewpoint, because the water vapour is compressed with it: air with a pressure dewpoint of 10 °C (50 °F) at 7 barg (100 psig) has a dewpoint of about -18 °C (0 °F) at atmospheric pressure. Always compare pressure dewpoints.

The chart shows saturation lines for air dried to several dewpoints at 7 barg (100 psig). Boosted air stays dry as long as it stays to the right of its line, at a lower pressure or a higher temperature. To the left of it water condenses in the pump section, washes the grease from seals and bores, causes corrosion and is carried into the outlet line.

The lower the dewpoint of the air at the inlet, the higher it can be boosted before water appears: the examples below show how far each kind of dryer goes.</source>
        <translation>per restare secca in uscita. «Secco» è relativo: conta il punto di rugiada, la temperatura a cui l’umidità condensa a quella pressione. Comprimere l’aria ne alza il punto di rugiada, perché il vapore viene compresso con essa: aria con punto di rugiada in pressione di 10 °C (50 °F) a 7 barg (100 psig) ha circa -18 °C (0 °F) a pressione atmosferica. Confrontare sempre punti di rugiada in pressione.

Il grafico mostra le linee di saturazione per aria essiccata a vari punti di rugiada a 7 barg (100 psig). L’aria compressa resta secca finché sta a destra della sua linea, a pressione più bassa o temperatura più alta. A sinistra l’acqua condensa nella pompa, lava via il grasso da guarnizioni e canne, corrode e finisce nella linea di uscita.

Più basso il punto di rugiada in ingresso, più si può comprimere prima che compaia acqua: gli esempi sotto mostrano fin dove arriva ogni essiccatore.</translation>
    </message>
    <message>
        <source>A shop compressor heats the air it compresses; the aftercooler and the receiver cool it again, so the air in the line is usually saturated at about room temperature, and boosting it makes water condense at once. Even very dry air, at 20 °C (68 °F) and only 9 % relative humidity, is saturated when it is raised to about 10 barg (145 psig) and cools back to 20 °C (68 °F). Air that is to be boosted well above the line pressure therefore needs a dryer.</source>
        <translation>Un compressore d’officina scalda l’aria; refrigeratore finale e serbatoio la raffreddano, per cui l’aria di rete è di solito satura a temperatura ambiente e comprimerla fa condensare subito acqua. Anche aria molto secca, a 20 °C (68 °F) e appena il 9 % di umidità relativa, è satura quando sale a circa 10 barg (145 psig) e torna a 20 °C (68 °F). L’aria da comprimere ben oltre la rete richiede quindi un essiccatore.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 °C (50 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 10 °C (50 °F) can be boosted to about 14 barg (200 psig) without condensation at 20 °C (68 °F): example 1 on the chart. At a higher pressure, or if the pump section runs cooler, water condenses; for higher pressures choose a lower dewpoint. Such a dryer is common on plant air. It suits boosting to about twice the line pressure, but not beyond: above that, fit a dryer with a lower dewpoint or use nitrogen.</source>
        <translation>Essiccatore a refrigerazione, punto di rugiada 10 °C (50 °F). L’aria essiccata a 7 barg (100 psig) a 10 °C (50 °F) di punto di rugiada si comprime senza condensa fino a circa 14 barg (200 psig) a 20 °C (68 °F): esempio 1 del grafico. Oltre, o se la pompa è più fredda, l’acqua condensa; per pressioni più alte scegliere un punto di rugiada più basso. Comune sulle reti di stabilimento, basta fino a circa il doppio della pressione di rete, non oltre: poi usare un essiccatore migliore o azoto.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 °C (32 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 0 °C (32 °F) can be boosted to just under 30 barg (about 425 psig) without condensation at 20 °C (68 °F): example 2 on the chart. This is about the lowest dewpoint a refrigerated dryer can give, as the condensate would freeze below it. It suits boosting to about four times the line pressure; above that, use a desiccant dryer or nitrogen. Drain the condensate trap of the dryer regularly, or fit an automatic drain.</source>
        <translation>Essiccatore a refrigerazione, punto di rugiada 0 °C (32 °F). L’aria essiccata a 7 barg (100 psig) a 0 °C (32 °F) di punto di rugiada si comprime senza condensa fino a poco meno di 30 barg (circa 425 psig) a 20 °C (68 °F): esempio 2 del grafico. È circa il minimo ottenibile con la refrigerazione, perché sotto la condensa gelerebbe. Basta fino a circa quattro volte la pressione di rete; oltre, usare un essiccatore ad adsorbimento o azoto. Scaricare spesso la condensa dell’essiccatore o montare uno scarico automatico.</translation>
    </message>
    <message>
        <source>Desiccant dryer, about -40 °C (-40 °F) dewpoint. A desiccant dryer on the pump-section inlet only (the drive air needs no drying) gives a pressure dewpoint of about -40 °C (-40 °F). This air can be boosted to over 240 barg (3480 psig) without condensation at 20 °C (68 °F): example 3, beyond the top of the chart. As only the air being boosted is dried, a small dryer will do. Its desiccant must be regenerated or changed at the intervals its maker gives, or the dewpoint rises again and water reaches the pump section after all.</source>
        <translation>Essiccatore ad adsorbimento, punto di rugiada circa -40 °C (-40 °F). Un essiccatore ad adsorbimento sul solo ingresso della pompa (l’aria motrice non va essiccata) dà un punto di rugiada in pressione di circa -40 °C (-40 °F). Quest’aria si comprime senza condensa oltre 240 barg (3480 psig) a 20 °C (68 °F): esempio 3, oltre il grafico. Essiccando solo l’aria compressa basta un essiccatore piccolo. Il suo adsorbente va rigenerato o cambiato agli intervalli del costruttore, altrimenti il punto di rugiada risale.</translation>
    </message>
    <message>
        <source>Using nitrogen. For requirements above 45 barg (650 psig), commercial nitrogen is often the simplest answer: it is dry, clean and inert. It can be boosted from bottles filled to 150 bar (2175 psi), which can then be used until they are nearly empty, or from liquid nitrogen vaporised at about 9 bar (130 psi). The amplifier is still driven by ordinary shop air, which never mixes with the nitrogen. Keep the bottles secured and fit a regulator rated for their full pressure; a manifold lets several bottles feed the amplifier in turn.</source>
        <translation>Azoto. Oltre 45 barg (650 psig) l’azoto commerciale è spesso la soluzione più semplice: secco, pulito e inerte. Si comprime da bombole a 150 bar (2175 psi), usabili così quasi fino a vuoto, o da azoto liquido vaporizzato a circa 9 bar (130 psi). L’amplificatore resta azionato dalla normale aria d’officina, che non si mescola mai all’azoto. Fissare le bombole e montare un riduttore adatto alla loro pressione piena; un collettore alimenta più bombole a turno.</translation>
    </message>
    <message>
        <source>&amp;10°C (50°F) dewpoint dryer</source>
        <translation>Essiccatore &amp;10°C (50°F)</translation>
    </message>
    <message>
        <source>&amp;0°C (32°F) dewpoint dryer</source>
        <translation>Essiccatore &amp;0°C (32°F)</translation>
    </message>
    <message>
        <source>&amp;Dessicant Dryer</source>
        <translation>Essiccatore ad &amp;adsorbimento</translation>
    </message>
    <message>
        <source>Using &amp;Nitrogen</source>
        <translation>A&amp;zoto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in compressed air</source>
        <translation>Umidità nell’aria compressa</translation>
    </message>
    <message>
        <source>Dewpoint</source>
        <translation>Punto di rugiada</translation>
    </message>
    <message>
        <source>Air from a shop compressor</source>
        <translation>Aria da un compressore d’officina</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Celsius</source>
        <translation>Linee di saturazione in gradi Celsius</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 7 barg: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Punto di rugiada in pressione in funzione della temperatura dell’aria per aria essiccata a 7 barg: l’acqua condensa a sinistra di una linea; gli esempi da 1 a 3 del testo sono indicati sul diagramma</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Fahrenheit</source>
        <translation>Linee di saturazione in gradi Fahrenheit</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 100 psig: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Punto di rugiada in pressione in funzione della temperatura dell’aria per aria essiccata a 100 psig: l’acqua condensa a sinistra di una linea; gli esempi da 1 a 3 del testo sono indicati sul diagramma</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 degrees Celsius dewpoint</source>
        <translation>Essiccatore a refrigerazione, punto di rugiada 10 gradi Celsius</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 degrees Celsius dewpoint</source>
        <translation>Essiccatore a refrigerazione, punto di rugiada 0 gradi Celsius</translation>
    </message>
    <message>
        <source>Desiccant dryer</source>
        <translation>Essiccatore ad adsorbimento</translation>
    </message>
    <message>
        <source>Using nitrogen</source>
        <translation>Uso dell’azoto</translation>
    </message>
    <message>
        <source>Dryers</source>
        <translation>Essiccatori</translation>
    </message>
</context>
<context>
    <name>TZampSizingAmplifiersForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Sizing</source>
        <translation>Amplificatori di pressione Zorvik  -  Dimensionamento</translation>
    </message>
    <message>
        <source>Sizing Air Amplifiers</source>
        <translation>Dimensionare gli amplificatori</translation>
    </message>
    <message>
        <source>Several factors are involved in sizing an air amplifier correctly. Getting them right first time saves a second purchase.</source>
        <translation>Per dimensionare bene un amplificatore contano più fattori. Sceglierli bene subito evita un secondo acquisto.</translation>
    </message>
    <message>
        <source>Some concern the parameters of the application, others the nature of the application itself.</source>
        <translation>Alcuni riguardano i parametri dell’applicazione, altri la sua natura stessa.</translation>
    </message>
    <message>
        <source>Dividing the outlet pressure required by the minimum air drive pressure gives the minimum area ratio, which is the dash number of the model: 1000 psig from an 80 psig drive needs a ratio of at least 12.5, so a -15 model. Allow a margin, as the flow falls to nothing at the maximum pressure; on double-acting models the supply pressure helps.

Where one amplifier cannot give the flow, several can work in parallel; where one ratio cannot reach the pressure, amplifiers can work in series, or a two-stage model does the job. Multipump units combine several amplifiers on one frame with common controls. In series the first amplifier feeds the second, so each works at a lower ratio and together they reach a pressure that neither could reach alone.</source>
        <translation>La pressione di uscita richiesta divisa per la pressione motrice minima dà il rapporto delle aree minimo, il numero dopo il trattino: 1000 psig da 80 psig di aria motrice richiedono almeno 12,5, quindi un modello -15. Prevedere un margine, perché la portata si annulla alla pressione massima; nei modelli a doppio effetto aiuta la pressione di alimentazione.

Se un amplificatore non dà la portata, più unità lavorano in parallelo; se un rapporto non basta per la pressione, gli amplificatori lavorano in serie, oppure serve un modello a due stadi. I gruppi multipompa uniscono più amplificatori su un telaio con comandi comuni. In serie il primo alimenta il secondo: ognuno lavora a un rapporto minore e insieme raggiungono una pressione che nessuno raggiungerebbe da solo.</translation>
    </message>
    <message>
        <source>Specfic Parameters Include</source>
        <translation>Parametri da precisare</translation>
    </message>
    <message>
        <source>What outlet pressure is required? (Po)
What is the minimum air drive pressure available? (Pa)
What is the supply pressure? (Ps; in most cases Pa = Ps)
What flow is required at the outlet pressure? (Q)</source>
        <translation>Quale pressione di uscita serve? (Po)
Qual è la minima pressione motrice disponibile? (Pa)
Qual è la pressione di alimentazione? (Ps; di solito Pa = Ps)
Quale portata serve alla pressione di uscita? (Q)</translation>
    </message>
    <message>
        <source>Application Data Includes</source>
        <translation>Dati dell’applicazione</translation>
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
        <translation>Servizio: continuo, o intermittente e con che frequenza?
A che cosa serve l’alta pressione?
    Collaudo: qual è il volume del pezzo in prova,
    e in quanto tempo va raggiunta la pressione?
    Espulsione: quale volume e pressione per colpo,
    e quanti colpi al minuto?
    Azionamento: alesaggio e corsa del cilindro; semplice
    o doppio effetto; quali corse in alta pressione;
    quanti cicli al minuto?</translation>
    </message>
    <message>
        <source>Determination of Flow</source>
        <translation>Determinazione della portata</translation>
    </message>
    <message>
        <source>We should verify the flow required from the application data before a model is chosen: the flow that a test vessel, a cylinder or an ejector needs follows from its volume, its pressure and its cycle time, and it is easily under- or over-estimated.

Where the demand is intermittent, an air receiver downstream of the amplifier stores high-pressure air between demands. The amplifier then has to supply only the average flow, so a smaller model will do, and the receiver covers momentary peaks that no amplifier could follow.

As a guide, a vessel takes its volume times the pressure rise in atmospheres of free air, a cylinder its swept volume times its absolute pressure in atmospheres at each stroke, in the time allowed.</source>
        <translation>Prima di scegliere un modello verificare la portata richiesta dai dati dell’applicazione: quella di un serbatoio di prova, un cilindro o un espulsore deriva da volume, pressione e tempo di ciclo, ed è facile sotto- o sovrastimarla.

Se la domanda è intermittente, un serbatoio a valle accumula aria ad alta pressione tra un prelievo e l’altro. L’amplificatore fornisce allora solo la portata media, basta un modello più piccolo, e il serbatoio copre i picchi brevi che nessun amplificatore seguirebbe.

Indicativamente, un serbatoio richiede il suo volume per l’aumento di pressione in atmosfere di aria libera, un cilindro il volume spostato per la pressione assoluta in atmosfere a ogni corsa, nel tempo disponibile.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls.</source>
        <translation>Zorvik offre opzioni di sistema: serbatoi e comandi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificatore</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificatore con la sezione motrice ad aria e la sezione pompa su un unico telaio</translation>
    </message>
    <message>
        <source>Sizing factors</source>
        <translation>Fattori di dimensionamento</translation>
    </message>
    <message>
        <source>Area ratio and several amplifiers</source>
        <translation>Rapporto delle aree e più amplificatori</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Opzioni di sistema</translation>
    </message>
</context>
<context>
    <name>TZampUsingCurvesForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Using Performance Curves</source>
        <translation>Amplificatori di pressione Zorvik  -  Leggere le curve</translation>
    </message>
    <message>
        <source>Using Performance Curves</source>
        <translation>Leggere le curve di prestazione</translation>
    </message>
    <message>
        <source>All Zorvik amplifiers are variable-pressure, variable-flow devices. The outlet pressure is set anywhere up to the maximum by regulating the air drive pressure, or, on double-acting models, the supply pressure as well. The flow is reduced by throttling the drive air.

Performance curves are published for every area ratio and power size. Each graph shows the outlet flow (Q) against the outlet pressure (Po) at one air drive pressure (Pa) and one supply pressure (Ps), with lines of constant drive air consumption (QA). The graph beside this text is an example for a double-acting RBW-2.

Values between the published curves can be found by interpolation. For conditions outside them, ask your local Zorvik representative for a performance calculation.

The lower curves of each graph are for lower supply pressures. On every curve the flow is greatest at its left-hand end and falls to nothing at the stall pressure.</source>
        <translation>Tutti gli amplificatori Zorvik hanno pressione e portata variabili. La pressione di uscita si imposta fino al massimo regolando la pressione motrice e, nei modelli a doppio effetto, anche quella di alimentazione. La portata si riduce strozzando l’aria motrice.

Le curve sono pubblicate per ogni rapporto delle aree e taglia. Ogni grafico mostra la portata (Q) in funzione della pressione di uscita (Po) a una pressione motrice (Pa) e una di alimentazione (Ps), con linee di consumo d’aria costante (QA). Il grafico accanto è un esempio per un RBW-2 a doppio effetto.

I valori intermedi si trovano per interpolazione. Per altre condizioni chiedete un calcolo al vostro rappresentante Zorvik.

Le curve più basse valgono per pressioni di alimentazione minori. Su ogni curva la portata è massima a sinistra e si annulla alla pressione di stallo.</translation>
    </message>
    <message>
        <source>Note that the flow falls as the outlet pressure rises: the closer the outlet pressure comes to the maximum, the slower the amplifier cycles.

The maximum outlet pressure is the zero-flow stall condition: the forces on the piston balance and the amplifier stops, holding the pressure without using any air.

When the downstream pressure drops, the balance is upset and the amplifier cycles again to restore it, so it also makes up any leakage from a closed system.</source>
        <translation>La portata cala al salire della pressione di uscita: più questa si avvicina al massimo, più lentamente cicla l’amplificatore.

La pressione di uscita massima è lo stallo a portata zero: le forze sul pistone si bilanciano e l’amplificatore si ferma, mantenendo la pressione senza consumare aria.

Se la pressione a valle scende, l’equilibrio si rompe e l’amplificatore riparte per ripristinarla; così compensa anche le perdite di un circuito chiuso.</translation>
    </message>
    <message>
        <source>To read the curves, find the outlet pressure (Po) on the horizontal axis, go up to the flow curve and read the outlet flow (Q) on the vertical axis; the line of constant air use through that point gives the drive air (QA).

The total air needed is the outlet flow plus the drive air: Q&#xa0;+&#xa0;QA.

Example: with Ps&#xa0;=&#xa0;100&#xa0;psig and Po&#xa0;=&#xa0;170&#xa0;psig the graph gives Q&#xa0;=&#xa0;30&#xa0;scfm and QA&#xa0;=&#xa0;50&#xa0;scfm, so the compressed air supply must provide 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Other points are read the same way.</source>
        <translation>Per leggere le curve, trovare la pressione di uscita (Po) sull’asse orizzontale, salire fino alla curva e leggere la portata (Q) sull’asse verticale; la linea di consumo costante per quel punto dà l’aria motrice (QA).

L’aria totale necessaria è la portata più l’aria motrice: Q&#xa0;+&#xa0;QA.

Esempio: con Ps&#xa0;=&#xa0;100&#xa0;psig e Po&#xa0;=&#xa0;170&#xa0;psig il grafico dà Q&#xa0;=&#xa0;30&#xa0;scfm e QA&#xa0;=&#xa0;50&#xa0;scfm, quindi la rete dell’aria deve fornire 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Gli altri punti si leggono allo stesso modo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flow and stall</source>
        <translation>Portata e stallo</translation>
    </message>
    <message>
        <source>Reading the curves</source>
        <translation>Leggere le curve</translation>
    </message>
</context>
<context>
    <name>TZorvAmpMainForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers</source>
        <translation>Amplificatori di pressione Zorvik</translation>
    </message>
    <message>
        <source>AIR PRESSURE</source>
        <translation>AMPLIFICATORI</translation>
    </message>
    <message>
        <source>AMPLIFIERS</source>
        <translation>DI PRESSIONE</translation>
    </message>
    <message>
        <source>&amp;Zorvik Introduction</source>
        <translation>&amp;Introduzione Zorvik</translation>
    </message>
    <message>
        <source> &amp;Applications &amp;&amp; Benefits</source>
        <translation> &amp;Applicazioni e vantaggi</translation>
    </message>
    <message>
        <source>&amp;General Description</source>
        <translation>Descrizione &amp;generale</translation>
    </message>
    <message>
        <source>&amp;Operational Guidelines</source>
        <translation>Indicazioni d’&amp;uso</translation>
    </message>
    <message>
        <source>  &amp;Model Selection Chart</source>
        <translation>  Tabella dei &amp;modelli</translation>
    </message>
    <message>
        <source>&amp;Select an Air Amplifier</source>
        <translation>&amp;Scegliere un modello</translation>
    </message>
    <message>
        <source>&amp;Dimensions &amp;&amp; Graphs</source>
        <translation>&amp;Dimensioni e curve</translation>
    </message>
    <message>
        <source>   &amp;Close</source>
        <translation>   &amp;Chiudi</translation>
    </message>
    <message>
        <source>Air amplifier selection and sizing program</source>
        <translation>Selezione e dimensionamento</translation>
    </message>
    <message>
        <source>Performance data: Zorvik Engineering</source>
        <translation>Prestazioni: Zorvik Engineering</translation>
    </message>
    <message>
        <source>(c) Zorvik Pneumatics Ltd.</source>
        <translation>(c) Zorvik Pneumatics Ltd.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Product display</source>
        <translation>Presentazione del prodotto</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Copertina</translation>
    </message>
    <message>
        <source>Zorvik Pneumatic Engineering: air pressure amplifiers, boosters for air and gas, selection and sizing</source>
        <translation>Zorvik Pneumatic Engineering: amplificatori di pressione dell’aria, booster per aria e gas, selezione e dimensionamento</translation>
    </message>
    <message>
        <source>Air amplifier emblem</source>
        <translation>Emblema dell’amplificatore</translation>
    </message>
    <message>
        <source>An amplifier with arrows: air in, higher pressure out</source>
        <translation>Un amplificatore con frecce: aria in ingresso, pressione più alta in uscita</translation>
    </message>
</context>
<context>
    <name>TZorvikAmpIntroductionForm</name>
    <message>
        <source>Zorvik Introduction</source>
        <translation>Introduzione Zorvik</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>For more than forty years Zorvik has designed and built air-driven equipment for industry: pumps, valves and pressure amplifiers that run on plant air alone.</source>
        <translation>Da oltre quarant’anni Zorvik progetta e costruisce apparecchi pneumatici per l’industria: pompe, valvole e amplificatori di pressione azionati dalla sola aria di rete.</translation>
    </message>
    <message>
        <source>Our products are made in our own plants in England and Scotland and supported by a worldwide network of offices and distributors.</source>
        <translation>I nostri prodotti sono fabbricati nei nostri stabilimenti in Inghilterra e Scozia e assistiti da una rete mondiale di sedi e distributori.</translation>
    </message>
    <message>
        <source>The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact single-acting units to large double-acting and two-stage models.</source>
        <translation>La gamma di amplificatori Zorvik porta aria o gas fino a 345 bar (5000 psi), dalle unità compatte a semplice effetto ai grandi modelli a doppio effetto e a due stadi.</translation>
    </message>
    <message>
        <source>Continued investment in modern machining, assembly and test facilities means that every amplifier is pressure-tested before it leaves the factory.</source>
        <translation>Grazie a continui investimenti in lavorazioni, montaggio e collaudo moderni, ogni amplificatore è provato in pressione prima di lasciare la fabbrica.</translation>
    </message>
    <message>
        <source>Head Office: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</source>
        <translation>Sede centrale: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</translation>
    </message>
    <message>
        <source>Zorvik Pneumatics</source>
        <translation>Zorvik Pneumatics</translation>
    </message>
    <message>
        <source>The company name</source>
        <translation>Il nome dell’azienda</translation>
    </message>
    <message>
        <source>Worldwide network</source>
        <translation>Rete mondiale</translation>
    </message>
    <message>
        <source>A world map with the head office in England and regional offices and distributors in the U.S.A., Europe, Asia and Australasia</source>
        <translation>Una mappa del mondo con la sede centrale in Inghilterra e filiali regionali e distributori negli Stati Uniti, in Europa, in Asia e in Australasia</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabbrica</translation>
    </message>
    <message>
        <source>The Zorvik factory building</source>
        <translation>L’edificio della fabbrica Zorvik</translation>
    </message>
    <message>
        <source>About Zorvik</source>
        <translation>Informazioni su Zorvik</translation>
    </message>
    <message>
        <source>Office address</source>
        <translation>Indirizzo della filiale</translation>
    </message>
    <message>
        <source>Head office address</source>
        <translation>Indirizzo della sede centrale</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>The office whose address is shown and printed on every page</source>
        <translation>La filiale il cui indirizzo è mostrato e stampato su ogni pagina</translation>
    </message>
</context>
<context>
    <name>TimageDisplayForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers - Selected Model</source>
        <translation>Amplificatori di pressione Zorvik - Modello scelto</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copia l’immagine negli appunti</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>I valori del diagramma in una tabella (Ctrl+T)</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabella</translation>
    </message>
</context>
<context>
    <name>TmodelDataForm</name>
    <message>
        <source>Model Selection Data</source>
        <translation>Dati del modello</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Min air drive pressure</source>
        <translation>Pressione motrice min.</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Pressione motrice max.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to</source>
        <translation>La pressione di ingresso del gas (Ps) deve essere</translation>
    </message>
    <message>
        <source>Air drive pressure  (Pa) with this model.</source>
        <translation>uguale alla pressione motrice (Pa) con questo modello.</translation>
    </message>
    <message>
        <source>Use a common connection for drive and input supply</source>
        <translation>Usare un attacco comune per motore e ingresso</translation>
    </message>
    <message>
        <source>Min inlet gas pressure</source>
        <translation>Press. ingresso gas min.</translation>
    </message>
    <message>
        <source>Max inlet gas pressure</source>
        <translation>Press. ingresso gas max.</translation>
    </message>
    <message>
        <source>Dependent on air drive pressure</source>
        <translation>Dipende dalla pressione motrice</translation>
    </message>
    <message>
        <source>Max outlet gas pressure</source>
        <translation>Pressione uscita gas max.</translation>
    </message>
    <message>
        <source>Max compression ratio</source>
        <translation>Rapporto di compressione max.</translation>
    </message>
    <message>
        <source>Piston displacement / cycle</source>
        <translation>Cilindrata per ciclo</translation>
    </message>
    <message>
        <source>Stall pressure formula</source>
        <translation>Formula pressione di stallo</translation>
    </message>
    <message>
        <source>Max inlet gas pressure to avoid Interstage stall</source>
        <translation>Ingresso gas max. senza stallo dello stadio intermedio</translation>
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
        <translation>Amplificatori di pressione Zorvik  -  Dimensioni e curve</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numero modello</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>In &amp;pollici</translation>
    </message>
    <message>
        <source>Show Amplifier</source>
        <translation>Mostra amplificatore</translation>
    </message>
    <message>
        <source>Model Data</source>
        <translation>Dati del modello</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>&amp;Adjust pressure</source>
        <translation>&amp;Regola pressione</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copia l’immagine negli appunti</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>    Model Type</source>
        <translation>    Tipo</translation>
    </message>
    <message>
        <source>Available Options   (further details will be shown if applicable)</source>
        <translation>Opzioni disponibili   (con dettagli, se previsti)</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numero del modello</translation>
    </message>
    <message>
        <source>Available options</source>
        <translation>Opzioni disponibili</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Drive air pressure is too low!</source>
        <translation>La pressione motrice è troppo bassa!</translation>
    </message>
    <message>
        <source>Drive air pressure is too high!</source>
        <translation>La pressione motrice è troppo alta!</translation>
    </message>
    <message>
        <source>Initial outlet pressure must be less than final outlet pressure!</source>
        <translation>La pressione iniziale deve essere minore di quella finale!</translation>
    </message>
    <message>
        <source>Vessel temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>La temperatura del serbatoio deve essere tra -20 e 60 °C (da -4 a 140 °F)!</translation>
    </message>
    <message>
        <source>Final pressure is above the real-gas model&apos;s 700 bar absolute (10138 psig)!</source>
        <translation>La pressione finale supera i 700 bar assoluti (10138 psig) del modello di gas reale!</translation>
    </message>
    <message>
        <source>Flow rate cannot be zero!<byte value="xd"/>No Amplifier needed.</source>
        <translation>La portata non può essere zero!<byte value="xd"/>Nessun amplificatore necessario.</translation>
    </message>
    <message>
        <source>Outlet pressure must be greater<byte value="xd"/>than inlet pressure!</source>
        <translation>La pressione di uscita deve essere maggiore<byte value="xd"/>di quella di ingresso!</translation>
    </message>
    <message>
        <source>Gas temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>La temperatura del gas deve essere tra -20 e 60 °C (da -4 a 140 °F)!</translation>
    </message>
</context>
<context>
    <name>zorvik::ComparisonWindow</name>
    <message>
        <source>Compare Amplifiers</source>
        <translation>Confronto degli amplificatori</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Ore all’anno:</translation>
    </message>
    <message>
        <source>Electricity price per k&amp;Wh:</source>
        <translation>Prezzo dell’energia per k&amp;Wh:</translation>
    </message>
    <message>
        <source>&amp;Inlet gas from the drive air supply</source>
        <translation>Gas in &amp;ingresso dall’aria motrice</translation>
    </message>
    <message>
        <source>&amp;Model to add:</source>
        <translation>&amp;Modello da aggiungere:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Column</source>
        <translation>&amp;Rimuovi la colonna scelta</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copia la tabella</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Salva CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per n.m3/min:</source>
        <translation>&amp;Potenza del compressore, kW per n.m3/min:</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per 100 scfm:</source>
        <translation>&amp;Potenza del compressore, kW per 100 scfm:</translation>
    </message>
    <message>
        <source>The table could not be saved.</source>
        <translation>Non è stato possibile salvare la tabella.</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer could not be started.</source>
        <translation>Impossibile stampare il confronto: non è stato possibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Salva il confronto</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Condizioni</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Tabella di confronto</translation>
    </message>
    <message>
        <source>Model to add</source>
        <translation>Modello da aggiungere</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Diagramma di confronto</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabella del diagramma</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>I valori del diagramma in una tabella (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>zorvik::DataTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
</context>
<context>
    <name>zorvik::JobHeaderPanel</name>
    <message>
        <source>&amp;Job name:</source>
        <translation>Nome della &amp;commessa:</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>Cli&amp;ente:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Riferimento:</translation>
    </message>
    <message>
        <source>En&amp;gineer:</source>
        <translation>&amp;Ingegnere:</translation>
    </message>
    <message>
        <source>Revis&amp;ion:</source>
        <translation>Re&amp;visione:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Data:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>&amp;Office on the pages:</source>
        <translation>Filiale c&amp;he appare sulle pagine:</translation>
    </message>
    <message>
        <source>Running cost of the drive air</source>
        <translation>Costo dell’aria motrice</translation>
    </message>
    <message>
        <source>Compressor power, &amp;kW per 100 scfm:</source>
        <translation>Potenza del compressore, &amp;kW per 100 scfm:</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Ore all’anno:</translation>
    </message>
    <message>
        <source>&amp;Price per kWh:</source>
        <translation>&amp;Prezzo per kWh:</translation>
    </message>
    <message>
        <source>The gas boosted is dri&amp;ve air (its flow counts too)</source>
        <translation>Il &amp;gas amplificato è l’aria motrice (conta la sua portata)</translation>
    </message>
    <message>
        <source>The office chosen in the program</source>
        <translation>La filiale scelta nel programma</translation>
    </message>
    <message>
        <source>%1 (not among this program&apos;s offices)</source>
        <translation>%1 (non tra le filiali di questo programma)</translation>
    </message>
</context>
<context>
    <name>zorvik::JobTableModel</name>
    <message>
        <source>The figures differ from those saved:</source>
        <translation>I valori differiscono da quelli salvati:</translation>
    </message>
    <message>
        <source>Duty not valid</source>
        <translation>Servizio non valido</translation>
    </message>
    <message>
        <source>Figures changed</source>
        <translation>Valori cambiati</translation>
    </message>
    <message>
        <source>No model</source>
        <translation>Nessun modello</translation>
    </message>
    <message>
        <source>Fails the duty</source>
        <translation>Non soddisfa il servizio</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Eroga</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aria motrice</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Costo di esercizio</translation>
    </message>
    <message>
        <source>Change tag</source>
        <translation>Cambiare la sigla</translation>
    </message>
    <message>
        <source>Change quantity</source>
        <translation>Cambiare la quantità</translation>
    </message>
</context>
<context>
    <name>zorvik::JobWindow</name>
    <message>
        <source>Change the job&apos;s details</source>
        <translation>Cambiare i dati della commessa</translation>
    </message>
    <message>
        <source>&amp;Add item</source>
        <translation>&amp;Aggiungi voce</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplica</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dup&amp;lica</translation>
    </message>
    <message>
        <source>&amp;Edit duty...</source>
        <translation>Modifica il &amp;servizio...</translation>
    </message>
    <message>
        <source>Edit du&amp;ty...</source>
        <translation>Modifica il servizio (&amp;t)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Rim&amp;uovi</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Sposta s&amp;u</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Sposta gi&amp;ù</translation>
    </message>
    <message>
        <source>&amp;Submittal...</source>
        <translation>Documenta&amp;zione...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salva co&amp;n nome...</translation>
    </message>
    <message>
        <source>Su&amp;bmittal...</source>
        <translation>Docu&amp;mentazione...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Commessa senza titolo</translation>
    </message>
    <message>
        <source>%1[*] - Job - Zorvik Air Pressure Amplifiers</source>
        <translation>%1[*] - Commessa - Amplificatori di pressione Zorvik</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Voce %1</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Aggiungere una voce</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicare</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovere</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Spostare su</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Spostare giù</translation>
    </message>
    <message>
        <source>&amp;Keep in job</source>
        <translation>Tenere nella &amp;commessa</translation>
    </message>
    <message>
        <source>Edit duty</source>
        <translation>Modificare il servizio</translation>
    </message>
    <message>
        <source>&amp;Add to job</source>
        <translation>&amp;Aggiungi alla commessa</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Commessa</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved.</source>
        <translation>La commessa «%1» ha modifiche non salvate.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Salvarle prima?</translation>
    </message>
    <message>
        <source>The job file %1 cannot be opened.</source>
        <translation>Il file di commessa %1 non può essere aperto.</translation>
    </message>
    <message>
        <source>Replace it with this job?</source>
        <translation>Sostituirla con questa commessa?</translation>
    </message>
    <message>
        <source>The job could not be saved in %1.</source>
        <translation>La commessa non è stata salvata in %1.</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Salva la commessa</translation>
    </message>
    <message>
        <source>Job files (*.zjob)</source>
        <translation>File di commessa (*.zjob)</translation>
    </message>
    <message>
        <source>Open a job</source>
        <translation>Apri una commessa</translation>
    </message>
    <message>
        <source>Job files (*.zjob);;All files (*)</source>
        <translation>File di commessa (*.zjob);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>No job opened yet</source>
        <translation>Nessuna commessa aperta</translation>
    </message>
    <message>
        <source>1 item&apos;s figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>I valori di 1 voce differiscono da quelli salvati nel file: vedere «Verifica».</translation>
    </message>
    <message>
        <source>%1 items&apos; figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>I valori di %1 voci differiscono da quelli salvati nel file: vedere «Verifica».</translation>
    </message>
    <message>
        <source>The submittal could not be written.</source>
        <translation>La documentazione non è stata scritta.</translation>
    </message>
    <message>
        <source> submittal</source>
        <translation> documentazione</translation>
    </message>
    <message>
        <source>Write the submittal</source>
        <translation>Scrivi la documentazione</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The job cannot be kept against a crash in %1.</source>
        <translation>La commessa non può essere protetta da un arresto anomalo in %1.</translation>
    </message>
    <message>
        <source>Job items</source>
        <translation>Voci della commessa</translation>
    </message>
    <message>
        <source>Save it under another name?</source>
        <translation>Salvarla con un altro nome?</translation>
    </message>
    <message>
        <source>Writing the submittal...</source>
        <translation>Scrittura della documentazione...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>zorvik::TAdjustAirDriveForm</name>
    <message>
        <source>Air drive pressure is too low!</source>
        <translation>La pressione motrice è troppo bassa!</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!</source>
        <translation>La pressione motrice è troppo alta!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too low!</source>
        <translation>La pressione di ingresso è troppo bassa!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too high!</source>
        <translation>La pressione di ingresso è troppo alta!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» non è un numero valido</translation>
    </message>
</context>
<context>
    <name>zorvik::TAmplifierSelectionForm</name>
    <message>
        <source>C&amp;ompare...</source>
        <translation>C&amp;onfronta...</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 a %2 %3</translation>
    </message>
    <message>
        <source>No selections</source>
        <translation>Nessun modello</translation>
    </message>
    <message>
        <source>%1 is not a valid value!</source>
        <translation>%1 non è un valore valido!</translation>
    </message>
    <message>
        <source>No air amplifier selected...</source>
        <translation>Nessun amplificatore selezionato...</translation>
    </message>
    <message>
        <source>No air pressure amplifier selected</source>
        <translation>Nessun amplificatore di pressione selezionato</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>l’elenco</translation>
    </message>
    <message>
        <source>No model is chosen in the list.<byte value="xd"/>Keep the duty in the job without a model?</source>
        <translation>Nessun modello è scelto nell’elenco.<byte value="xd"/>Tenere il servizio nella commessa senza modello?</translation>
    </message>
    <message>
        <source>Continuous process</source>
        <translation>Processo continuo</translation>
    </message>
    <message>
        <source>Chooses the layout for a constant pressure source feeding a continuous process</source>
        <translation>Sceglie lo schema per una sorgente a pressione costante che alimenta un processo continuo</translation>
    </message>
    <message>
        <source>Vessel charging</source>
        <translation>Riempimento di serbatoi</translation>
    </message>
    <message>
        <source>Chooses the layout for charging a vessel</source>
        <translation>Sceglie lo schema per riempire un serbatoio</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the vessel on the right</source>
        <translation>%1: l’aria motrice e l’ingresso del gas a sinistra, il serbatoio a destra</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the outlet on the right</source>
        <translation>%1: l’aria motrice e l’ingresso del gas a sinistra, l’uscita a destra</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampModelSelectionChartForm</name>
    <message>
        <source>The chart</source>
        <translation>la tabella</translation>
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
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Loading %1<byte value="xd"/>loading error.</source>
        <translation>Caricamento di %1<byte value="xd"/>errore di caricamento.</translation>
    </message>
    <message>
        <source>The chosen office could not be saved in<byte value="xd"/>%1<byte value="xd"/>It will not be remembered at the next start.</source>
        <translation>Non è stato possibile salvare la sede scelta in<byte value="xd"/>%1<byte value="xd"/>Al prossimo avvio non verrà ricordata.</translation>
    </message>
    <message>
        <source>&amp;Jobs</source>
        <translation>La&amp;vori</translation>
    </message>
    <message>
        <source>A customer&apos;s duties, kept in a job file and sent as one submittal</source>
        <translation>I servizi di un cliente, raccolti in un file di commessa e inviati come un’unica documentazione</translation>
    </message>
</context>
<context>
    <name>zorvik::TimageDisplayForm</name>
    <message>
        <source>The data sheet</source>
        <translation>la scheda tecnica</translation>
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
        <translation>%1 litri</translation>
    </message>
    <message>
        <source>( %1 cu. inch )</source>
        <translation>( %1 poll.³ )</translation>
    </message>
    <message>
        <source>less than %1 x pAir</source>
        <translation>meno di %1 x pAir</translation>
    </message>
</context>
<context>
    <name>zorvik::TzampGraph1Form</name>
    <message>
        <source>The data sheet</source>
        <translation>la scheda tecnica</translation>
    </message>
    <message>
        <source>Show &amp;Bar &amp;&amp; l/min</source>
        <translation>In &amp;bar e l/min</translation>
    </message>
    <message>
        <source>Sho&amp;w Psi &amp;&amp; Scfm</source>
        <translation>In psi e sc&amp;fm</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>&amp;Grafico</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Mostra &amp;disegno</translation>
    </message>
    <message>
        <source>S&amp;how mm</source>
        <translation>I&amp;n mm</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>In &amp;pollici</translation>
    </message>
    <message>
        <source>  Single acting</source>
        <translation>  Semplice effetto</translation>
    </message>
    <message>
        <source>  Single stage</source>
        <translation>  Monostadio</translation>
    </message>
    <message>
        <source>  Double acting</source>
        <translation>  Doppio effetto</translation>
    </message>
    <message>
        <source>  Two stage</source>
        <translation>  Due stadi</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
</TS>
