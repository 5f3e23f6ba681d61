<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ChartTable</name>
    <message>
        <source>Inlet %1 %2</source>
        <translation>Entrada %1 %2</translation>
    </message>
    <message>
        <source>Duty at full speed</source>
        <translation>Servicio a plena velocidad</translation>
    </message>
    <message>
        <source>Charging point %1</source>
        <translation>Punto de llenado %1</translation>
    </message>
    <message>
        <source>Performance chart of %1 - %2</source>
        <translation>Gráfico de rendimiento de %1 - %2</translation>
    </message>
    <message>
        <source>Curve or point</source>
        <translation>Curva o punto</translation>
    </message>
    <message>
        <source>Outlet pressure, %1</source>
        <translation>Presión de salida, %1</translation>
    </message>
    <message>
        <source>Outlet flow, %1</source>
        <translation>Caudal de salida, %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Delivered flow against outlet pressure at %1 drive, %2 inlet</source>
        <translation>Caudal entregado según la presión de salida, aire motriz %1, entrada %2</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Presión de salida</translation>
    </message>
    <message>
        <source>Delivered flow</source>
        <translation>Caudal entregado</translation>
    </message>
    <message>
        <source>Required: %1 at %2</source>
        <translation>Pedido: %1 a %2</translation>
    </message>
    <message>
        <source>Vessel pressure against time</source>
        <translation>Presión del depósito en el tiempo</translation>
    </message>
    <message>
        <source>Time, minutes</source>
        <translation>Tiempo, minutos</translation>
    </message>
    <message>
        <source>Vessel pressure</source>
        <translation>Presión del depósito</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Listed by the selection</source>
        <translation>Figura en la selección</translation>
    </message>
    <message>
        <source>No, near miss</source>
        <translation>No, por poco</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Drive air used</source>
        <translation>Aire motriz consumido</translation>
    </message>
    <message>
        <source>Total input air (flow + drive air)</source>
        <translation>Aire total (caudal + aire motriz)</translation>
    </message>
    <message>
        <source>Cycles per minute</source>
        <translation>Ciclos por minuto</translation>
    </message>
    <message>
        <source>Speed, % of maximum</source>
        <translation>Velocidad, % del máximo</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Relación de compresión</translation>
    </message>
    <message>
        <source>Volumetric efficiency, %</source>
        <translation>Rendimiento volumétrico, %</translation>
    </message>
    <message>
        <source>Stall pressure at this drive</source>
        <translation>Presión de calado con este accionamiento</translation>
    </message>
    <message>
        <source>Margin to maximum outlet</source>
        <translation>Margen hasta la salida máxima</translation>
    </message>
    <message>
        <source>Cut back to the air available</source>
        <translation>Limitado al aire disponible</translation>
    </message>
    <message>
        <source>Flow flat out at this outlet</source>
        <translation>Caudal a plena potencia a esta salida</translation>
    </message>
    <message>
        <source>Speed at the duty, % of maximum</source>
        <translation>Velocidad en el servicio, % del máximo</translation>
    </message>
    <message>
        <source>Cycles per minute at the duty</source>
        <translation>Ciclos por minuto en el servicio</translation>
    </message>
    <message>
        <source>Above %1 % of maximum speed</source>
        <translation>Por encima del %1 % de la velocidad máxima</translation>
    </message>
    <message>
        <source>Drive air at the duty</source>
        <translation>Aire motriz en el servicio</translation>
    </message>
    <message>
        <source>Units in parallel for the flow</source>
        <translation>Unidades en paralelo para el caudal</translation>
    </message>
    <message>
        <source>Drive air of those units</source>
        <translation>Aire motriz de esas unidades</translation>
    </message>
    <message>
        <source>Total input air at the duty</source>
        <translation>Aire total en el servicio</translation>
    </message>
    <message>
        <source>Drive air to spare at the duty</source>
        <translation>Reserva de aire motriz en el servicio</translation>
    </message>
    <message>
        <source>Energy a year at the duty, kWh</source>
        <translation>Energía al año en el servicio, kWh</translation>
    </message>
    <message>
        <source>Cost a year at the duty</source>
        <translation>Coste al año en el servicio</translation>
    </message>
    <message>
        <source>Meets the duty</source>
        <translation>Cumple el servicio</translation>
    </message>
    <message>
        <source>Fill time, minutes</source>
        <translation>Tiempo de llenado, minutos</translation>
    </message>
    <message>
        <source>Total drive air</source>
        <translation>Aire motriz total</translation>
    </message>
    <message>
        <source>Average drive air</source>
        <translation>Aire motriz medio</translation>
    </message>
    <message>
        <source>Average cycles per minute</source>
        <translation>Ciclos medios por minuto</translation>
    </message>
    <message>
        <source>Energy a fill, kWh</source>
        <translation>Energía por llenado, kWh</translation>
    </message>
    <message>
        <source>Cost a fill</source>
        <translation>Coste por llenado</translation>
    </message>
    <message>
        <source>%1 kW per n.m3/min</source>
        <translation>%1 kW por n.m3/min</translation>
    </message>
    <message>
        <source>%1 kW per 100 scfm</source>
        <translation>%1 kW por 100 scfm</translation>
    </message>
    <message>
        <source>drive air not limited</source>
        <translation>aire motriz ilimitado</translation>
    </message>
    <message>
        <source>%1 drive air available</source>
        <translation>%1 de aire motriz disponible</translation>
    </message>
    <message>
        <source>any flow</source>
        <translation>caudal cualquiera</translation>
    </message>
    <message>
        <source>%1 required</source>
        <translation>%1 pedidos</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh</source>
        <translation>Aire motriz %1, %2, entrada %3, salida %4, %5.  Coste: %6, %7 horas al año, %8 por kWh</translation>
    </message>
    <message>
        <source>%1, inlet gas from the same air supply</source>
        <translation>%1, gas de entrada de la misma red de aire</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 litros</translation>
    </message>
    <message>
        <source>%1 cu ft</source>
        <translation>%1 pie³</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh</source>
        <translation>Aire motriz %1, %2, entrada %3, depósito de %4 de %5 a %6.  Coste: %7, %8 por kWh</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>Delivered %1 flow against outlet pressure at %2 drive, %3 inlet</source>
        <translation>Caudal de %1 según la presión de salida con %2 motriz, %3 de entrada</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Caudal másico</translation>
    </message>
    <message>
        <source>Discharge temperature, upper bound</source>
        <translation>Temperatura de descarga, cota superior</translation>
    </message>
    <message>
        <source>%1 at %2, </source>
        <translation>%1 a %2, </translation>
    </message>
    <message>
        <source>, discharge limit %1</source>
        <translation>, límite de descarga %1</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  Cost: %7, %8 per kWh</source>
        <translation>Motriz %1, %2, entrada %3, depósito de %4 de %5 a %6, contenido calculado como gas real.  Coste: %7, %8 por kWh</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source> (no curve)</source>
        <translation> (sin curva)</translation>
    </message>
</context>
<context>
    <name>ComparisonChartTable</name>
    <message>
        <source>%1 (not listed)</source>
        <translation>%1 (no figura en la lista)</translation>
    </message>
    <message>
        <source>%1: %2 against %3, one line for each of %4.</source>
        <translation>%1: %2 según %3, una línea para cada uno de: %4.</translation>
    </message>
    <message>
        <source> %1 at %2, %3.</source>
        <translation> %1 a %2, %3.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Intro o Ctrl+T muestra sus valores en una tabla.</translation>
    </message>
    <message>
        <source>Model or point</source>
        <translation>Modelo o punto</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>Sorry......<byte value="xd"/>The code for this drawing has not been written yet!</source>
        <translation>Lo sentimos......<byte value="xd"/>¡Este plano aún no está disponible!</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Air Drive Inlet</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entrada aire motriz</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port</source>
        <translation>3/8&quot; NPT Entrada</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Outlet Port</source>
        <translation>3/8&quot; NPT Salida</translation>
    </message>
    <message>
        <source>Air Drive <byte value="xd"/>Inlet</source>
        <translation>Entrada<byte value="xd"/>aire motriz</translation>
    </message>
    <message>
        <source>Exhaust Muffler</source>
        <translation>Silenciador</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port<byte value="xd"/>3/8 NPT Outlet port (rear side)</source>
        <translation>3/8&quot; NPT Entrada<byte value="xd"/>3/8 NPT Salida (detrás)</translation>
    </message>
    <message>
        <source>Fixings<byte value="xd"/>4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fijación<byte value="xd"/>4 ranuras<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Inlet Port</source>
        <translation>1/4&quot; NPT Entrada</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Outlet Port</source>
        <translation>1/4&quot; NPT Salida</translation>
    </message>
    <message>
        <source>Exhaust<byte value="xd"/>Muffler</source>
        <translation>Silen-<byte value="xd"/>ciador</translation>
    </message>
    <message>
        <source>Fixings 4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fijación 4 ranuras<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Entrada</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Salida</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Inlet Port</source>
        <translation>Tubo 1/2&quot;<byte value="xd"/>Entrada</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Outlet Port</source>
        <translation>Tubo 1/2&quot;<byte value="xd"/>Salida</translation>
    </message>
    <message>
        <source>Fixings  4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fijación  4 ranuras<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entradas<byte value="xd"/>en cada extremo</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Salidas<byte value="xd"/>en cada extremo</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entrada</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Salida</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>3/4&quot; NPT</source>
        <translation>Entrada aire motriz<byte value="xd"/>3/4&quot; NPT</translation>
    </message>
    <message>
        <source>1&quot; NPT Outlet Port (this side)<byte value="xd"/>1&quot; NPT Inlet Port (rear side)</source>
        <translation>1&quot; NPT Salida (este lado)<byte value="xd"/>1&quot; NPT Entrada (detrás)</translation>
    </message>
    <message>
        <source>Fixings 8 holes<byte value="xd"/>13.5 mm dia (17/32&quot; dia)</source>
        <translation>Fijación 8 taladros<byte value="xd"/>Ø 13,5 mm (Ø 17/32&quot;)</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>PLANTA</translation>
    </message>
    <message>
        <source>Air Inlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Entrada de aire <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Air Outlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Salida de aire <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Wall Mounting<byte value="xd"/>4 holes<byte value="xd"/>10 mm dia<byte value="xd"/>(3/8&quot; dia)</source>
        <translation>Montaje mural<byte value="xd"/>4 taladros<byte value="xd"/>Ø 10 mm<byte value="xd"/>(Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Base Mounting 4 holes<byte value="xd"/>10 mm dia (3/8&quot; dia)</source>
        <translation>Montaje en base 4 taladros<byte value="xd"/>Ø 10 mm (Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>1/2&quot; NPT  8.6 bar (125 psi) max</source>
        <translation>Entrada aire motriz<byte value="xd"/>1/2&quot; NPT  máx. 8,6 bar (125 psi)</translation>
    </message>
    <message>
        <source>Mounting holes<byte value="xd"/>4 x 10mm (0.39&quot;) dia</source>
        <translation>Taladros de fijación<byte value="xd"/>4 x Ø 10 mm (0,39&quot;)</translation>
    </message>
    <message>
        <source>Model 61306 is a complete pneumatic<byte value="xd"/>system designed to provide amplified<byte value="xd"/>pressure and momentary high flow.</source>
        <translation>El modelo 61306 es un sistema<byte value="xd"/>neumático completo que da presión<byte value="xd"/>amplificada y un gran caudal<byte value="xd"/>momentáneo.</translation>
    </message>
    <message>
        <source>It utilizes available plant air (up to 6.5 bar<byte value="xd"/>95 psi) to both the supply and drive inlets<byte value="xd"/>of the model RBW-2 which automatically<byte value="xd"/>stalls once the storage tank has been<byte value="xd"/>filled to about double the supply pressure.</source>
        <translation>Usa el aire de la planta (hasta 6,5 bar,<byte value="xd"/>95 psi) en la entrada y el aire motriz<byte value="xd"/>del modelo RBW-2, que se cala solo<byte value="xd"/>en cuanto el depósito se llena a unas<byte value="xd"/>dos veces la presión de alimentación.</translation>
    </message>
    <message>
        <source>The amplifier will sense any use of air from<byte value="xd"/>the tank, and resume operation again to stall<byte value="xd"/>at about 2 times supply pressure.</source>
        <translation>El amplificador detecta cualquier toma<byte value="xd"/>de aire del depósito y vuelve a funcionar<byte value="xd"/>hasta calarse a unas 2 veces la presión<byte value="xd"/>de alimentación.</translation>
    </message>
    <message>
        <source>The regulator on the tank output is provided<byte value="xd"/>to control output pressure and flow, up to<byte value="xd"/>about (momentarily) 4.2 Nm3/min 150 scfm.<byte value="xd"/>Also included is an ASME coded safety relief<byte value="xd"/>valve on the tank set at 13.8 bar (200 psi).</source>
        <translation>El regulador a la salida del depósito<byte value="xd"/>regula presión y caudal, hasta unos<byte value="xd"/>4,2 Nm3/min (150 scfm) momentáneos.<byte value="xd"/>Incluye una válvula de seguridad ASME<byte value="xd"/>tarada a 13,8 bar (200 psi) en el depósito.</translation>
    </message>
</context>
<context>
    <name>DutyNote</name>
    <message>
        <source>%1 (%2 % speed, %3 %4)</source>
        <translation>%1 (%2 % de velocidad, %3 %4)</translation>
    </message>
    <message>
        <source>%1 (%2 % speed, %3 of %4 %5)</source>
        <translation>%1 (%2 % de velocidad, %3 de %4 %5)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>No selections. Nearest model, %1: %2.</source>
        <translation>Ningún modelo. El más cercano, %1: %2.</translation>
    </message>
    <message>
        <source>No selections at full output on the air available; throttled to the flow asked for, these meet the duty: %1.</source>
        <translation>Ningún modelo a plena potencia con el aire disponible; estrangulados al caudal pedido, estos cumplen el servicio: %1.</translation>
    </message>
    <message>
        <source>Also meet the duty throttled (the list runs each model flat out on the air available): %1.</source>
        <translation>También cumplen el servicio estrangulados (la lista hace funcionar cada modelo a plena potencia con el aire disponible): %1.</translation>
    </message>
    <message>
        <source>* Discharge can pass the %1 limit: %2.</source>
        <translation>* La descarga puede superar el límite de %1: %2.</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Null is not valid value</source>
        <translation>Vacío no es un valor válido</translation>
    </message>
    <message>
        <source>%1 is not valid value</source>
        <translation>%1 no es un valor válido</translation>
    </message>
    <message>
        <source>Initial outlet pressure is lower than supply pressure!<byte value="xd"/>equalise pressures before starting amplifier.</source>
        <translation>¡La presión de salida inicial es menor que la de entrada!<byte value="xd"/>iguale las presiones antes de arrancar el amplificador.</translation>
    </message>
    <message>
        <source>%1 is not a gas the program sizes</source>
        <translation>%1 no es un gas que el programa dimensione</translation>
    </message>
</context>
<context>
    <name>Gases</name>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Carbon dioxide</source>
        <translation>Dióxido de carbono</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Metano</translation>
    </message>
    <message>
        <source>Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.</source>
        <translation>Oxígeno: el amplificador, sus tuberías y el depósito deben estar limpios y construidos para oxígeno. El calor de una compresión rápida es fuente de ignición: abra las válvulas despacio, sin aceite ni grasa.</translation>
    </message>
    <message>
        <source>Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief outlets must vent safely to open air, away from any source of ignition.</source>
        <translation>Hidrógeno: toda pieza en contacto con el gas debe ser de un material apto para hidrógeno; fugas y alivios deben ventilar con seguridad al aire libre, lejos de toda fuente de ignición.</translation>
    </message>
    <message>
        <source>Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.</source>
        <translation>El dióxido de carbono se licúa a presión a temperatura ambiente: una salida o un depósito a su presión de vapor o más contiene líquido, que este cálculo no cubre. Descárguelo en un lugar ventilado.</translation>
    </message>
    <message>
        <source>%1 bar absolute (%2 psig)</source>
        <translation>%1 bar absolutos (%2 psig)</translation>
    </message>
    <message>
        <source>%1 is solid or liquid at %2 and %3, below its triple point</source>
        <translation>%1 es sólido o líquido a %2 y %3, por debajo de su punto triple</translation>
    </message>
    <message>
        <source>%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature</source>
        <translation>%1 es líquido o bifásico a %2 y %3: a esta temperatura se licúa desde %4</translation>
    </message>
    <message>
        <source>The real-gas model covers %1 to %2; %3 is outside it</source>
        <translation>El modelo de gas real cubre de %1 a %2; %3 queda fuera</translation>
    </message>
    <message>
        <source>The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it</source>
        <translation>El modelo de gas real cubre presiones absolutas por encima de 0 hasta %1; %2 queda fuera</translation>
    </message>
    <message>
        <source>The equation of state of %1 gives no gas state at %2 and %3</source>
        <translation>La ecuación de estado de %1 no da ningún estado gaseoso a %2 y %3</translation>
    </message>
</context>
<context>
    <name>Gases in a sentence</name>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>nitrogen</source>
        <translation>nitrógeno</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>oxígeno</translation>
    </message>
    <message>
        <source>argon</source>
        <translation>argón</translation>
    </message>
    <message>
        <source>helium</source>
        <translation>helio</translation>
    </message>
    <message>
        <source>carbon dioxide</source>
        <translation>dióxido de carbono</translation>
    </message>
    <message>
        <source>hydrogen</source>
        <translation>hidrógeno</translation>
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
        <translation>un proyecto nuevo, nunca guardado</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 partida</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 partidas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2), %3, as it was at %4.</source>
        <translation>«%1» (%2), %3, tal como estaba el %4.</translation>
    </message>
    <message>
        <source>The program ended without closing while a job had unsaved changes:</source>
        <translation>El programa terminó sin cerrarse mientras un proyecto tenía cambios sin guardar:</translation>
    </message>
    <message>
        <source>Restore it?</source>
        <translation>¿Restaurarlo?</translation>
    </message>
    <message>
        <source>A job kept against a crash cannot be read; it is kept as</source>
        <translation>No se puede leer un proyecto guardado para caso de fallo; se conserva como</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>No se puede escribir el archivo: %1.</translation>
    </message>
    <message>
        <source>The previous file cannot be kept as %1: %2.</source>
        <translation>No se puede conservar el archivo anterior como %1: %2.</translation>
    </message>
    <message>
        <source>The file cannot be replaced: %1.</source>
        <translation>No se puede sustituir el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is %1 MiB; a job file is at most %2 MiB.</source>
        <translation>El archivo ocupa %1 MiB; un archivo de proyecto ocupa como máximo %2 MiB.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
    <message>
        <source>The file is a folder, not a job file.</source>
        <translation>Es una carpeta, no un archivo de proyecto.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened.</source>
        <translation>El archivo ha cambiado en el disco desde que se abrió.</translation>
    </message>
    <message>
        <source>A file of that name exists already.</source>
        <translation>Ya existe un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>A text of the job is not UTF-8, so it cannot be saved.</source>
        <translation>Un texto del proyecto no está en UTF-8, así que no se puede guardar.</translation>
    </message>
    <message>
        <source>The job is too large for a job file (at most 16 MiB).</source>
        <translation>El proyecto es demasiado grande para un archivo de proyecto (16 MiB como máximo).</translation>
    </message>
    <message>
        <source>The job</source>
        <translation>El proyecto</translation>
    </message>
    <message>
        <source>must be &quot;flow&quot; or &quot;fill&quot;</source>
        <translation>debe ser &quot;flow&quot; o &quot;fill&quot;</translation>
    </message>
    <message>
        <source>must be &quot;imperial&quot; or &quot;metric&quot;</source>
        <translation>debe ser &quot;imperial&quot; o &quot;metric&quot;</translation>
    </message>
    <message>
        <source>must be a number or true or false</source>
        <translation>debe ser un número, true o false</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: model %2 is not one of the models 1 to %3.</source>
        <translation>%1: el modelo %2 no es uno de los modelos 1 a %3.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: it has no &quot;format&quot;: &quot;zorvik-job&quot;.</source>
        <translation>El archivo no es un proyecto de Zorvik: no tiene &quot;format&quot;: &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: its &quot;format&quot; is %1, not &quot;zorvik-job&quot;.</source>
        <translation>El archivo no es un proyecto de Zorvik: su &quot;format&quot; es %1, no &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>must be a whole number, 1 or more</source>
        <translation>debe ser un número entero, 1 o más</translation>
    </message>
    <message>
        <source>The file was written by a newer version of the program%1: it is job file version %2, and this version reads version %3.</source>
        <translation>El archivo lo escribió una versión más reciente del programa%1: es la versión %2 del formato, y esta versión lee la %3.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>El archivo</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>debe ser una lista</translation>
    </message>
    <message>
        <source>The file nests its values too deeply to be a job file.</source>
        <translation>El archivo anida sus valores demasiado para ser un proyecto.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at %1 before its JSON is complete.</source>
        <translation>El archivo está cortado: termina en %1 antes de completar su JSON.</translation>
    </message>
    <message>
        <source>The file is not JSON: %1: %2.</source>
        <translation>El archivo no es JSON: %1: %2.</translation>
    </message>
    <message>
        <source>The file holds a number too large for the program: %1.</source>
        <translation>El archivo contiene un número demasiado grande para el programa: %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: the byte at %1 is no UTF-8 character.</source>
        <translation>El archivo no es texto UTF-8: el byte en %1 no es un carácter UTF-8.</translation>
    </message>
    <message>
        <source>%1 must be a JSON object.</source>
        <translation>%1 debe ser un objeto JSON.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>debe ser un texto</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>debe ser true o false</translation>
    </message>
    <message>
        <source>must be a number, 0 or more</source>
        <translation>debe ser un número, 0 o más</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a key this version of the program knows.</source>
        <translation>%1: %2 es una clave que esta versión del programa no conoce.</translation>
    </message>
    <message>
        <source>%1: %2 %3.</source>
        <translation>%1: %2 %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>The file is read-only for you.</source>
        <translation>El archivo es de solo lectura para usted.</translation>
    </message>
    <message>
        <source>It is not a regular file, so nothing is written there.</source>
        <translation>No es un archivo normal; no se escribe nada ahí.</translation>
    </message>
    <message>
        <source>The file is being saved by another program; try again.</source>
        <translation>Otro programa está guardando el archivo; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file is read-only for you; save the job under another name.</source>
        <translation>El archivo es de solo lectura para usted; guarde el proyecto con otro nombre.</translation>
    </message>
    <message>
        <source>must be %1 at the most</source>
        <translation>debe ser como máximo %1</translation>
    </message>
    <message>
        <source>The file names the key %1 twice in one object.</source>
        <translation>El archivo nombra la clave %1 dos veces en un mismo objeto.</translation>
    </message>
    <message>
        <source>The workbook cannot be made in %1.</source>
        <translation>El libro no se puede crear en %1.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 is not installed.</source>
        <translation>Los libros no se pueden escribir: la biblioteca %1 no está instalada.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 has no %2.</source>
        <translation>Los libros no se pueden escribir: a la biblioteca %1 le falta %2.</translation>
    </message>
</context>
<context>
    <name>ModelSelectionChartPrint</name>
    <message>
        <source>Model
Number</source>
        <translation>Número
modelo</translation>
    </message>
    <message>
        <source>
Ratio</source>
        <translation>
Relación</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Supply</source>
        <translation>Entrada
de gas
máx.</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Outlet</source>
        <translation>Salida
de gas
máx.</translation>
    </message>
    <message>
        <source>Static Outlet
Pressure
Formula</source>
        <translation>Fórmula de
presión
estática</translation>
    </message>
    <message>
        <source>Piston
Displ.
Per
Cycle</source>
        <translation>Cilin-
drada
por
ciclo</translation>
    </message>
    <message>
        <source>Max.
Air
Drive</source>
        <translation>Aire
motriz
máx.</translation>
    </message>
    <message>
        <source>Drive
Size</source>
        <translation>Tamaño
motor</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificadores Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Model Selection Chart</source>
        <translation>Amplificadores  Tabla de modelos</translation>
    </message>
    <message>
        <source>Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure</source>
        <translation>Pa = Presión motriz       Ps = Presión de entrada del gas</translation>
    </message>
</context>
<context>
    <name>OptionRows</name>
    <message>
        <source>       -C	Air Controls	1</source>
        <translation>       -C	Mandos de aire	1</translation>
    </message>
    <message>
        <source>61301	Receiver &amp; Controls	6</source>
        <translation>61301	Depósito y mandos	6</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	10</source>
        <translation>       -C	Mandos de aire (F-R, manómetro y válvula)	10</translation>
    </message>
    <message>
        <source>61310	External Pilot Modification	11</source>
        <translation>61310	Modificación pilotaje externo	11</translation>
    </message>
    <message>
        <source>61302	No Load Run Away &amp; Regulator	12</source>
        <translation>61302	Antiembalamiento y regulador	12</translation>
    </message>
    <message>
        <source>61311	Extreme Service Cycling Mod	13</source>
        <translation>61311	Conmutación servicio severo	13</translation>
    </message>
    <message>
        <source>61303	Receiver &amp; Controls	14</source>
        <translation>61303	Depósito y mandos	14</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	20</source>
        <translation>       -C	Mandos de aire (F-R, manómetro y válvula)	20</translation>
    </message>
    <message>
        <source>61312	External Pilot Modification	21</source>
        <translation>61312	Modificación pilotaje externo	21</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	22</source>
        <translation>  -QP1	Pilotaje externo y presostato neumático	22</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	23</source>
        <translation>61313	Contador de carreras eléctrico	23</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	24</source>
        <translation>61314	Contador de carreras mecánico	24</translation>
    </message>
    <message>
        <source>61315	Three Way Cycling Spool	25</source>
        <translation>61315	Corredera de conmutación de 3 vías	25</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	26</source>
        <translation>61316	Modificación carrera única	26</translation>
    </message>
    <message>
        <source>61317	Extreme Service Cycling Mod	27</source>
        <translation>61317	Conmutación servicio severo	27</translation>
    </message>
    <message>
        <source>61318	Receiver &amp; Controls	30</source>
        <translation>61318	Depósito y mandos	30</translation>
    </message>
    <message>
        <source>61304	125 psig Downstream Regulator	31</source>
        <translation>61304	Regulador aguas abajo 125 psig	31</translation>
    </message>
    <message>
        <source>61304-1	200 psig Downstream Regulator	32</source>
        <translation>61304-1	Regulador aguas abajo 200 psig	32</translation>
    </message>
    <message>
        <source>61305	Regulator, Air Pilot Switch, &amp; Relief Valve	35</source>
        <translation>61305	Regulador, presostato y válvula de alivio	35</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	40</source>
        <translation>       -C	Mandos de aire (F-R, manómetro y válvula)	40</translation>
    </message>
    <message>
        <source>61319	External Pilot Modification	41</source>
        <translation>61319	Modificación pilotaje externo	41</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	42</source>
        <translation>  -QP1	Pilotaje externo y presostato neumático	42</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	43</source>
        <translation>61313	Contador de carreras eléctrico	43</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	44</source>
        <translation>61314	Contador de carreras mecánico	44</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	45</source>
        <translation>61316	Modificación carrera única	45</translation>
    </message>
    <message>
        <source>61320	Extreme Service Cycling Mod	46</source>
        <translation>61320	Conmutación servicio severo	46</translation>
    </message>
    <message>
        <source>61307	No Load Run Away Mod	47</source>
        <translation>61307	Antiembalamiento en vacío	47</translation>
    </message>
    <message>
        <source>61308	No Load Run Away Mod with Air Controls	48</source>
        <translation>61308	Antiembalamiento con mandos de aire	48</translation>
    </message>
    <message>
        <source>61309	Receiver &amp; Controls	49</source>
        <translation>61309	Depósito y mandos	49</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>%1 not listed: %2</source>
        <translation>%1 no figura: %2</translation>
    </message>
    <message>
        <source>Amplifier comparison - continuous process</source>
        <translation>Comparación de amplificadores - proceso continuo</translation>
    </message>
    <message>
        <source>Amplifier comparison - vessel charging</source>
        <translation>Comparación de amplificadores - llenado de depósitos</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>Please contact %1 if you require assistance.</source>
        <translation>Si necesita ayuda, póngase en contacto con %1.</translation>
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
        <translation>Servicio: %1 % velocidad, %2 aire</translation>
    </message>
    <message>
        <source>Air drive pressure  %1</source>
        <translation>Presión motriz  %1</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!<byte value="xd"/>Reset to maximum air drive pressure</source>
        <translation>¡La presión motriz es demasiado alta!<byte value="xd"/>Se vuelve a la presión motriz máxima</translation>
    </message>
    <message>
        <source>Outlet pressure   %1</source>
        <translation>Presión de salida   %1</translation>
    </message>
    <message>
        <source>Outlet Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Performance prediction and curves are for guidance only.</source>
        <translation>Previsiones y curvas solo orientativas.</translation>
    </message>
    <message>
        <source>Should certified performance be required please contact factory.</source>
        <translation>Para rendimientos certificados consulte a fábrica.</translation>
    </message>
    <message>
        <source>= Inlet gas supply  %1</source>
        <translation>= Entrada de gas  %1</translation>
    </message>
    <message>
        <source>Total input air volume required = outlet flow + QA</source>
        <translation>Aire total necesario = caudal de salida + QA</translation>
    </message>
    <message>
        <source>= Air consumption  %1</source>
        <translation>= Consumo de aire  %1</translation>
    </message>
    <message>
        <source>Do not use in</source>
        <translation>No usar en</translation>
    </message>
    <message>
        <source>shaded area.</source>
        <translation>la zona gris.</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source> Curves for an inlet gas pressure of %1 down to %2 %3.</source>
        <translation> Curvas para una presión de entrada del gas de %1 hasta %2 %3.</translation>
    </message>
    <message>
        <source> The duty: %1 %2 at %3 at full speed.</source>
        <translation> El servicio: %1 %2 a %3 a plena velocidad.</translation>
    </message>
    <message>
        <source> Charging a vessel from %1 to %2.</source>
        <translation> Llenado de un depósito de %1 a %2.</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Gráfico de rendimiento</translation>
    </message>
    <message>
        <source>Outlet flow in %1 against outlet pressure in %2 of model %3, %4.</source>
        <translation>Caudal de salida en %1 según la presión de salida en %2 del modelo %3, %4.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Intro o Ctrl+T muestra sus valores en una tabla.</translation>
    </message>
    <message>
        <source>Dimension drawing</source>
        <translation>Plano de dimensiones</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Outline of model %1 with its dimensions in %2.</source>
        <translation>Contorno del modelo %1 con sus dimensiones en %2.</translation>
    </message>
    <message>
        <source>Drawing of the option %1 for model %2.</source>
        <translation>Dibujo de la opción %1 para el modelo %2.</translation>
    </message>
    <message>
        <source>Outline of the option %1 for model %2 with its dimensions in %3.</source>
        <translation>Contorno de la opción %1 para el modelo %2 con sus dimensiones en %3.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1 could not be printed: the printer could not be started.</source>
        <translation>No se pudo imprimir %1: no se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>%1 could not be printed: the job could not be handed to the printer.</source>
        <translation>No se pudo imprimir %1: no se pudo enviar el trabajo a la impresora.</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>      CRB19   Air Pressure Amplifier Range                               </source>
        <translation>      CRB19   Gama de amplificadores                      </translation>
    </message>
    <message>
        <source>XSingle Acting   Single Stage</source>
        <translation>XSimple efecto   una etapa</translation>
    </message>
    <message>
        <source>XEconomical means of boosting pressure, where</source>
        <translation>XMedio económico de elevar la presión</translation>
    </message>
    <message>
        <source>volume is small.</source>
        <translation>en volúmenes pequeños.</translation>
    </message>
    <message>
        <source>XCompact size</source>
        <translation>XTamaño compacto</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is</source>
        <translation>XPresión de salida máxima =</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure.</source>
        <translation>    relación de áreas x presión motriz.</translation>
    </message>
    <message>
        <source>XControl of maximum pressure by means of</source>
        <translation>XPresión máxima regulada con</translation>
    </message>
    <message>
        <source>inexpensive air drive pressure regulators.</source>
        <translation>sencillos reguladores del aire motriz.</translation>
    </message>
    <message>
        <source>XHigh output flow Air Pressure Amplifier</source>
        <translation>XAmplificador de gran caudal</translation>
    </message>
    <message>
        <source>XPressure outputs up to 20 bar (300 psi)</source>
        <translation>XPresiones de salida hasta 20 bar</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is area ratio x</source>
        <translation>XPresión máx. = relación de áreas x</translation>
    </message>
    <message>
        <source>    drive pressure PLUS supply pressure.</source>
        <translation>    presión motriz MÁS presión de entrada.</translation>
    </message>
    <message>
        <source>XRequires less air drive since the inlet air</source>
        <translation>XNecesita menos aire motriz, pues la</translation>
    </message>
    <message>
        <source>pressure itself provides a substantial portion</source>
        <translation>presión de entrada aporta por sí misma</translation>
    </message>
    <message>
        <source>of the driving force.</source>
        <translation>buena parte de la fuerza motriz.</translation>
    </message>
    <message>
        <source>      RB   Air Pressure Amplifier Range                                 </source>
        <translation>      RB   Gama de amplificadores                        </translation>
    </message>
    <message>
        <source>XPressure outputs up to 310 bar (4500 psi)</source>
        <translation>XPresiones de salida hasta 310 bar</translation>
    </message>
    <message>
        <source>      RBW  Air Pressure Amplifier Range                                </source>
        <translation>      RBW  Gama de amplificadores                       </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage   3 Sizes</source>
        <translation>XDoble efecto   una etapa   3 tamaños</translation>
    </message>
    <message>
        <source>XEfficient means of increasing air pressure</source>
        <translation>XMedio eficaz de elevar la presión</translation>
    </message>
    <message>
        <source>XPumps twice volume per cycle of RB Range.</source>
        <translation>XVolumen por ciclo doble que la gama RB.</translation>
    </message>
    <message>
        <source>      RBZ   Air Pressure Amplifier Range                               </source>
        <translation>      RBZ   Gama de amplificadores                      </translation>
    </message>
    <message>
        <source>XTwo Stage Air Amplifier</source>
        <translation>XAmplificador de dos etapas</translation>
    </message>
    <message>
        <source>XEfficient means of providing air at</source>
        <translation>XMedio eficaz de suministrar aire</translation>
    </message>
    <message>
        <source>higher outlet pressures.</source>
        <translation>a presiones de salida más altas.</translation>
    </message>
    <message>
        <source>Xcompression ratio per stage is low.</source>
        <translation>XBaja relación de compresión por etapa.</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure PLUS</source>
        <translation>    relación de áreas x presión motriz MÁS</translation>
    </message>
    <message>
        <source>    air inlet pressure x area ratio of the</source>
        <translation>    presión de entrada x relación de áreas</translation>
    </message>
    <message>
        <source>    two pistons.</source>
        <translation>    de los dos pistones.</translation>
    </message>
    <message>
        <source>      8RBW  Air Pressure Amplifier                                    </source>
        <translation>      8RBW  Amplificador de presión                                   </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage</source>
        <translation>XDoble efecto   una etapa</translation>
    </message>
    <message>
        <source>X203 mm (8&quot;) drive</source>
        <translation>XMotor de 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>XZorvik can provide high pressure gauges</source>
        <translation>XZorvik suministra manómetros de alta</translation>
    </message>
    <message>
        <source>to suit your application.</source>
        <translation>presión adecuados a su aplicación.</translation>
    </message>
</context>
<context>
    <name>ProductShow</name>
    <message>
        <source>CRB19 Air Pressure Amplifiers</source>
        <translation>Amplificadores de presión CRB19</translation>
    </message>
    <message>
        <source>Single acting, single stage, compact</source>
        <translation>Simple efecto, una etapa, compacto</translation>
    </message>
    <message>
        <source>RB Air Pressure Amplifiers</source>
        <translation>Amplificadores de presión RB</translation>
    </message>
    <message>
        <source>Single acting, single stage</source>
        <translation>Simple efecto, una etapa</translation>
    </message>
    <message>
        <source>RBW Air Pressure Amplifiers</source>
        <translation>Amplificadores de presión RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage</source>
        <translation>Doble efecto, una etapa</translation>
    </message>
    <message>
        <source>4RBW Air Pressure Amplifier</source>
        <translation>Amplificador de presión 4RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage, high flow</source>
        <translation>Doble efecto, una etapa, gran caudal</translation>
    </message>
    <message>
        <source>RBZ Two-Stage Air Pressure Amplifiers</source>
        <translation>Amplificadores de presión de dos etapas RBZ</translation>
    </message>
    <message>
        <source>Two stages for the highest pressures</source>
        <translation>Dos etapas para las presiones más altas</translation>
    </message>
    <message>
        <source>8RBW Air Pressure Amplifier</source>
        <translation>Amplificador de presión 8RBW</translation>
    </message>
    <message>
        <source>Double acting, 203 mm (8&quot;) air drive</source>
        <translation>Doble efecto, motor neumático de 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>Outlet pressure up to %1 psi (%2 bar)</source>
        <translation>Presión de salida hasta %1 psi (%2 bar)</translation>
    </message>
    <message>
        <source>High Pressure Gauges</source>
        <translation>Manómetros de alta presión</translation>
    </message>
    <message>
        <source>Matched to every amplifier in the range</source>
        <translation>Adaptados a cada amplificador de la gama</translation>
    </message>
    <message>
        <source>Glycerine-filled, stainless steel cases</source>
        <translation>Con glicerina, caja de acero inoxidable</translation>
    </message>
    <message>
        <source>Dual scales in psi and bar</source>
        <translation>Doble escala en psi y bar</translation>
    </message>
    <message>
        <source>Air Pressure Amplifiers   -   move the mouse or press a key to return</source>
        <translation>Amplificadores de presión   -   mueva el ratón o pulse una tecla para volver</translation>
    </message>
</context>
<context>
    <name>QtNotices</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>%1 normal litres</source>
        <translation>%1 litros normales</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel is already at the final pressure of %1</source>
        <translation>Nada que llenar: el depósito ya está a la presión final de %1</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel starts at %1, above the final pressure of %2</source>
        <translation>Nada que llenar: el depósito parte de %1, por encima de la presión final de %2</translation>
    </message>
    <message>
        <source>at the final pressure of %1</source>
        <translation>a la presión final de %1</translation>
    </message>
    <message>
        <source>at the outlet pressure of %1</source>
        <translation>a la presión de salida de %1</translation>
    </message>
    <message>
        <source>at %1, below the final pressure of %2</source>
        <translation>a %1, por debajo de la presión final de %2</translation>
    </message>
    <message>
        <source>at %1, below the outlet pressure of %2</source>
        <translation>a %1, por debajo de la presión de salida de %2</translation>
    </message>
    <message>
        <source>Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive pressure than the %2 available (at least %3); it stalls %4</source>
        <translation>No entrega caudal: la etapa intermedia se cala, pues una entrada de %1 necesita más presión motriz que los %2 disponibles (al menos %3); se cala %4</translation>
    </message>
    <message>
        <source>Delivers no flow: it stalls %1</source>
        <translation>No entrega caudal: se cala %1</translation>
    </message>
    <message>
        <source>Delivers no flow: a compression ratio of %1 is more than its stroke can compress</source>
        <translation>No entrega caudal: una relación de compresión de %1 supera lo que su carrera puede comprimir</translation>
    </message>
    <message>
        <source>%1; %2 is required</source>
        <translation>%1; se piden %2</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3</source>
        <translation>%1 se licúa a la presión final de %2 a %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3</source>
        <translation>%1 se licúa a la presión de salida de %2 a %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 se licúa a la presión final de %2 a %3, desde su presión de vapor de %4 a esa temperatura</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 se licúa a la presión de salida de %2 a %3, desde su presión de vapor de %4 a esa temperatura</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is below this model&apos;s minimum of %2</source>
        <translation>La presión de entrada de %1 está por debajo del mínimo de este modelo, %2</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is above this model&apos;s maximum of %2 at this drive pressure</source>
        <translation>La presión de entrada de %1 supera el máximo de este modelo, %2 con esta presión motriz</translation>
    </message>
    <message>
        <source>Final pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La presión final de %1 supera el máximo de este modelo, %2</translation>
    </message>
    <message>
        <source>Outlet pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La presión de salida de %1 supera el máximo de este modelo, %2</translation>
    </message>
    <message>
        <source>Compression ratio %1 is above this model&apos;s maximum of %2</source>
        <translation>La relación de compresión de %1 supera el máximo de este modelo, %2</translation>
    </message>
    <message>
        <source>Boosts its own drive air: the inlet pressure must equal the drive pressure of %1</source>
        <translation>Comprime su propio aire motriz: la presión de entrada debe ser igual a la presión motriz de %1</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required on the drive air available</source>
        <translation>Entrega %1, menos que los %2 pedidos con el aire motriz disponible</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required</source>
        <translation>Entrega %1, menos que los %2 pedidos</translation>
    </message>
    <message>
        <source>Delivers %1 at the final pressure of %2, less than the %3 a charge needs</source>
        <translation>Entrega %1 a la presión final de %2, menos que los %3 que exige un llenado</translation>
    </message>
    <message>
        <source>Would run at %1 cycles/min at the initial pressure, above the %2 allowed</source>
        <translation>Funcionaría a %1 ciclos/min a la presión inicial, por encima de los %2 admitidos</translation>
    </message>
    <message>
        <source>Fill takes longer than %1 minutes for one tenth of the charge</source>
        <translation>El llenado tarda más de %1 minutos por cada décima parte</translation>
    </message>
    <message>
        <source>Each tenth of the charge is %1, no more than the %2 the sizing can step</source>
        <translation>Cada décima parte de la carga es de %1, no más que los %2 que el cálculo puede tratar</translation>
    </message>
    <message>
        <source>The real-gas count of the vessel fails: %1</source>
        <translation>El cálculo como gas real del depósito falla: %1</translation>
    </message>
    <message>
        <source>Fill takes %1 minutes, no longer than the %2 minutes the sizing can time</source>
        <translation>El llenado dura %1 minutos, no más que los %2 minutos que el cálculo puede medir</translation>
    </message>
    <message>
        <source>under 0.1 %</source>
        <translation>menos del 0,1 %</translation>
    </message>
    <message>
        <source>%1 (a near miss)</source>
        <translation>%1 (por poco)</translation>
    </message>
    <message>
        <source>%1 on %2 of drive air</source>
        <translation>%1 con %2 de aire motriz</translation>
    </message>
    <message>
        <source>%1 on %2 of the %3 available</source>
        <translation>%1 con %2 de los %3 disponibles</translation>
    </message>
    <message>
        <source>Meets the duty at %1 of maximum speed</source>
        <translation>Cumple el servicio al %1 de la velocidad máxima</translation>
    </message>
    <message>
        <source>Meets the duty delivering %1 at %2 of maximum speed</source>
        <translation>Cumple el servicio entregando %1 al %2 de la velocidad máxima</translation>
    </message>
    <message>
        <source>%1 (above the %2 advised for continuous duty)</source>
        <translation>%1 (por encima del %2 recomendado para servicio continuo)</translation>
    </message>
    <message>
        <source>Delivers %1 flat out, %2 short of the %3 required</source>
        <translation>Entrega %1 a plena potencia, un %2 menos que los %3 pedidos</translation>
    </message>
    <message>
        <source>%1; it would take more than %2 units in parallel</source>
        <translation>%1; harían falta más de %2 unidades en paralelo</translation>
    </message>
    <message>
        <source>%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together</source>
        <translation>%1; %2 unidades en paralelo, cada una al %3 de la velocidad máxima, consumen juntas %4 de aire motriz</translation>
    </message>
    <message>
        <source>%1, within the %2 available</source>
        <translation>%1, dentro de los %2 disponibles</translation>
    </message>
    <message>
        <source>%1, more than the %2 available</source>
        <translation>%1, más que los %2 disponibles</translation>
    </message>
    <message>
        <source>Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short</source>
        <translation>Necesita %1 de aire motriz al %2 de la velocidad máxima; a los %3 disponibles les falta un %4</translation>
    </message>
    <message>
        <source>%1; the list&apos;s method, which runs the amplifier flat out on the air available, leaves it out</source>
        <translation>%1; la lista, que hace funcionar el amplificador a plena potencia con el aire disponible, lo deja fuera</translation>
    </message>
    <message>
        <source>%1; the list leaves it out as it asks for more than exactly the flow required</source>
        <translation>%1; la lista lo deja fuera porque exige más que el caudal pedido exactamente</translation>
    </message>
    <message>
        <source>Its discharge can reach %1, above the %2 limit</source>
        <translation>La descarga puede alcanzar %1, por encima del límite de %2</translation>
    </message>
</context>
<context>
    <name>SaturationChart</name>
    <message>
        <source>Saturation lines</source>
        <translation>Líneas de saturación</translation>
    </message>
    <message>
        <source>pressure dewpoint of the air at %1 %2</source>
        <translation>punto de rocío a presión del aire a %1 %2</translation>
    </message>
    <message>
        <source>Air temperature, %1</source>
        <translation>Temperatura del aire, %1</translation>
    </message>
    <message>
        <source>Water condenses left of a line</source>
        <translation>A la izquierda: agua</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Entrega</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aire motriz</translation>
    </message>
    <message>
        <source>Cycles/min</source>
        <translation>Ciclos/min</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Coste de funcionamiento</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 al año</translation>
    </message>
    <message>
        <source>%1 a fill</source>
        <translation>%1 por llenado</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>llenado</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>caudal</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>ilimitado</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, outlet %4, flow %5</source>
        <translation>aire motriz %1, aire %2, entrada %3, salida %4, caudal %5</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, %4 to %5, %6</source>
        <translation>aire motriz %1, aire %2, entrada %3, %4 a %5, %6</translation>
    </message>
    <message>
        <source>equalised to the inlet pressure first</source>
        <translation>igualada primero a la presión de entrada</translation>
    </message>
    <message>
        <source>no model chosen</source>
        <translation>ningún modelo elegido</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Presión motriz</translation>
    </message>
    <message>
        <source>Drive air available</source>
        <translation>Aire motriz disponible</translation>
    </message>
    <message>
        <source>unlimited (the air available is ignored)</source>
        <translation>ilimitado (se ignora el aire disponible)</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Presión de entrada del gas</translation>
    </message>
    <message>
        <source>%1, the air drive pressure</source>
        <translation>%1, la presión motriz</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Presión de salida</translation>
    </message>
    <message>
        <source>Required flow</source>
        <translation>Caudal requerido</translation>
    </message>
    <message>
        <source>any (the flow rate is ignored)</source>
        <translation>cualquiera (se ignora el caudal)</translation>
    </message>
    <message>
        <source>Initial vessel pressure</source>
        <translation>Presión inicial del depósito</translation>
    </message>
    <message>
        <source>Final vessel pressure</source>
        <translation>Presión final del depósito</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Capacidad del depósito</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gas a comprimir</translation>
    </message>
    <message>
        <source>Discharge temperature limit</source>
        <translation>Límite de temperatura de descarga</translation>
    </message>
    <message>
        <source>Vessel contents</source>
        <translation>Contenido del depósito</translation>
    </message>
    <message>
        <source>counted with the real-gas model</source>
        <translation>calculado con el modelo de gas real</translation>
    </message>
    <message>
        <source>counted as an ideal gas</source>
        <translation>calculado como gas ideal</translation>
    </message>
    <message>
        <source>Gas taken from the drive air supply</source>
        <translation>Gas tomado del suministro de aire motriz</translation>
    </message>
    <message>
        <source>yes, its flow counts in the running cost</source>
        <translation>sí, su caudal cuenta en el coste de funcionamiento</translation>
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
        <translation>Tiempo de llenado min</translation>
    </message>
    <message>
        <source>Average Air used n.m3</source>
        <translation>Aire medio usado n.m3</translation>
    </message>
    <message>
        <source>Total Air n.m3</source>
        <translation>Aire total n.m3</translation>
    </message>
    <message>
        <source>Average Cycles / Min</source>
        <translation>Ciclos medios / min</translation>
    </message>
    <message>
        <source>Average Air Used Scfm</source>
        <translation>Aire medio usado Scfm</translation>
    </message>
    <message>
        <source>Total Air S.Cu.Ft</source>
        <translation>Aire total S.Cu.Ft</translation>
    </message>
    <message>
        <source>Flow rate nl/min</source>
        <translation>Caudal nl/min</translation>
    </message>
    <message>
        <source>Air used n.m3</source>
        <translation>Aire usado n.m3</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Ciclos / min</translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Caudal Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Aire usado Scfm</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinders</source>
        <translation>Fuente de presión constante que llena depósitos o botellas</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Fuente de presión constante que alimenta un proceso continuo</translation>
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
        <translation>Límite °C</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Límite °F</translation>
    </message>
    <message>
        <source>Change to Imperial &amp;Units</source>
        <translation>&amp;Unidades imperiales</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units</source>
        <translation>&amp;Unidades métricas</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aire motriz psig</translation>
    </message>
    <message>
        <source>Air Drive barg</source>
        <translation>Aire motriz barg</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aire motriz scfm</translation>
    </message>
    <message>
        <source>Air Drive Flow nl/min</source>
        <translation>Aire motriz nl/min</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Entrada gas psig</translation>
    </message>
    <message>
        <source>Air / Gas Inlet barg</source>
        <translation>Entrada gas barg</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Caudal scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Salida psig</translation>
    </message>
    <message>
        <source>Outlet barg</source>
        <translation>Salida barg</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Inicial psig</translation>
    </message>
    <message>
        <source>Initial barg</source>
        <translation>Inicial barg</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Final psig</translation>
    </message>
    <message>
        <source>Final barg</source>
        <translation>Final barg</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volumen ft.3</translation>
    </message>
    <message>
        <source>Capacity litres</source>
        <translation>Volumen litros</translation>
    </message>
    <message>
        <source>		Enter data for this type of application</source>
        <translation>		Introduzca los datos de esta aplicación</translation>
    </message>
    <message>
        <source>		and click list selections to</source>
        <translation>		y pulse Listar modelos</translation>
    </message>
    <message>
        <source>		display possible options.</source>
        <translation>		para ver los modelos posibles.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Model No.</source>
        <translation>Modelo n.º</translation>
    </message>
    <message>
        <source>Flow rate </source>
        <translation>Caudal </translation>
    </message>
    <message>
        <source>Air Used </source>
        <translation>Aire usado </translation>
    </message>
    <message>
        <source>Cycles / min</source>
        <translation>Ciclos / min</translation>
    </message>
    <message>
        <source>Fill time</source>
        <translation>Llenado</translation>
    </message>
    <message>
        <source>Total Air Used</source>
        <translation>Aire total</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continous process</source>
        <translation>Fuente de presión constante que alimenta un proceso continuo</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Fuente de presión constante que llena un depósito o una botella</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>%1 (average)</source>
        <translation>%1 (medio)</translation>
    </message>
    <message>
        <source>(average)</source>
        <translation>(medio)</translation>
    </message>
    <message>
        <source>Initial outlet</source>
        <translation>Salida inicial</translation>
    </message>
    <message>
        <source>Final outlet</source>
        <translation>Salida final</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Volumen depósito</translation>
    </message>
    <message>
        <source>Air outlet</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Flow required: any (the window ignores it)</source>
        <translation>Caudal pedido: cualquiera (se ignora)</translation>
    </message>
    <message>
        <source>Flow required</source>
        <translation>Caudal pedido</translation>
    </message>
    <message>
        <source>Air available: not limited</source>
        <translation>Aire disponible: ilimitado</translation>
    </message>
    <message>
        <source>Air available</source>
        <translation>Aire disponible</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificadores Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Selection choices</source>
        <translation>Amplificadores  Selección</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Tipo de aplicación</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gas a comprimir</translation>
    </message>
    <message>
        <source>Inlet conditions</source>
        <translation>Condiciones de entrada</translation>
    </message>
    <message>
        <source>Outlet conditions</source>
        <translation>Condiciones de salida</translation>
    </message>
    <message>
        <source>Air Drive</source>
        <translation>Aire motriz</translation>
    </message>
    <message>
        <source>Air Inlet</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Air used figures listed above indicate the drive air volume required</source>
        <translation>Los consumos de arriba son el aire motriz necesario.</translation>
    </message>
    <message>
        <source>Add outlet air quantity to obtain total input required.</source>
        <translation>Sume el caudal de salida para obtener el aire total requerido.</translation>
    </message>
</context>
<context>
    <name>TAdjustAirDriveForm</name>
    <message>
        <source>Adjust operating conditions</source>
        <translation>Ajustar las condiciones de servicio</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Presión motriz máx.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to Air drive pressure  (Pa) with this model. Use a common connection for drive and input supply</source>
        <translation>En este modelo la presión de entrada del gas (Ps) debe ser igual a la presión motriz (Pa). Use una conexión común para el motor y la entrada</translation>
    </message>
    <message>
        <source>Min gas inlet pressure</source>
        <translation>Presión entrada gas mín.</translation>
    </message>
    <message>
        <source>Max gas inlet pressure</source>
        <translation>Presión entrada gas máx.</translation>
    </message>
    <message>
        <source>New air drive pressure will be applied to all graphs displayed</source>
        <translation>La nueva presión motriz vale para todos los gráficos</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Presión motriz</translation>
    </message>
    <message>
        <source>Gas inlet pressure will only apply to this model number.</source>
        <translation>La presión de entrada solo vale para este modelo.</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Presión de entrada</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Nuevo gráfico</translation>
    </message>
</context>
<context>
    <name>TAmplifierSelectionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Selection</source>
        <translation>Amplificadores de presión Zorvik  -  Selección</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Aire motriz psig</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Aire motriz scfm</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Entrada gas psig</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Caudal scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Salida psig</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Inicial psig</translation>
    </message>
    <message>
        <source>Final psig</source>
        <translation>Final psig</translation>
    </message>
    <message>
        <source>Capacity ft.3</source>
        <translation>Volumen ft.3</translation>
    </message>
    <message>
        <source> &amp;Inlet pressure equal</source>
        <translation> &amp;Entrada igual</translation>
    </message>
    <message>
        <source>to air drive pressure</source>
        <translation>a la presión motriz</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Fuente de presión constante que alimenta un proceso continuo</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Fuente de presión constante que llena un depósito o una botella</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Fill Cylinder</source>
        <translation>Llenado</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units </source>
        <translation>&amp;Unidades métricas </translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source> 1. Select application type from 
      above choices.
 2. Enter appropriate conditions.
 3. Choose selection options.
 4. Click list sections button.</source>
        <translation> 1. Elija el tipo de aplicación
      arriba.
 2. Introduzca las condiciones.
 3. Elija las opciones.
 4. Pulse Listar modelos.</translation>
    </message>
    <message>
        <source>Selection Options</source>
        <translation>Opciones de selección</translation>
    </message>
    <message>
        <source> Ignore air available setting</source>
        <translation> Ignorar el aire disponible</translation>
    </message>
    <message>
        <source> Ignore flow rate setting</source>
        <translation> Ignorar el caudal pedido</translation>
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
        <translation>Límite °F</translation>
    </message>
    <message>
        <source> Real-gas vessel contents</source>
        <translation> Contenido como gas real</translation>
    </message>
    <message>
        <source>Model       Number   </source>
        <translation>Modelo       Número   </translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Caudal Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Aire usado Scfm</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Ciclos / min</translation>
    </message>
    <message>
        <source>
     Please wait.     Searching for options....</source>
        <translation>
     Espere, por favor.     Buscando modelos....</translation>
    </message>
    <message>
        <source>Air used figures displayed above indicate the dive air volume required, add outlet air quantity to obtain total input required</source>
        <translation>Los consumos de arriba son el aire motriz necesario; sume el caudal de salida para obtener el aire total requerido</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Ver &amp;plano</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Ver &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>&amp;List Selections</source>
        <translation>&amp;Listar modelos</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparar</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Tipo de aplicación</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Modelos seleccionados</translation>
    </message>
    <message>
        <source>One row for each model that meets the duty: model, flow rate or fill time, air used, cycles per minute and total air</source>
        <translation>Una fila por cada modelo que cumple el servicio: modelo, caudal o tiempo de llenado, aire consumido, ciclos por minuto y aire total</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
</context>
<context>
    <name>TZampApplicationsForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Applications and Benefits</source>
        <translation>Amplificadores de presión Zorvik  -  Aplicaciones y ventajas</translation>
    </message>
    <message>
        <source>Typical Applications</source>
        <translation>Aplicaciones típicas</translation>
    </message>
    <message>
        <source>Why Use Zorvik Air Amplifiers?</source>
        <translation>¿Por qué un amplificador Zorvik?</translation>
    </message>
    <message>
        <source>An air amplifier is the simple alternative to a dedicated high-pressure compressor wherever compressed air is already piped.

It is compact and needs no electrical supply, motor or mechanical drive: it is powered by the air it boosts, so it can stand right at the point of use.

It works in any mounting position.

It needs no foundation and little maintenance.</source>
        <translation>Un amplificador es la alternativa sencilla a un compresor de alta presión propio donde el aire comprimido ya está instalado.

Es compacto y no necesita electricidad, motor ni transmisión: lo mueve el aire que comprime, así que se coloca en el punto de uso.

Funciona en cualquier posición.

No necesita cimientos y apenas mantenimiento.</translation>
    </message>
    <message>
        <source>Key Features</source>
        <translation>Características principales</translation>
    </message>
    <message>
        <source>Variable outlet pressure and flow
No heat, flame or spark risk
No air-line lubrication needed
Long seal life
Wide range of models, controls and options
Standard and custom-built systems</source>
        <translation>Presión y caudal de salida regulables
Sin riesgo de calor, llama o chispa
Sin lubricación en la línea de aire
Juntas de larga duración
Amplia gama de modelos, mandos y opciones
Sistemas estándar y a medida</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Typical applications</source>
        <translation>Aplicaciones típicas</translation>
    </message>
    <message>
        <source>Six uses of an air amplifier: pressure testing, cylinders and actuators, gas charging, press clamping, air receiver charging and part ejection</source>
        <translation>Seis usos de un amplificador: pruebas de presión, cilindros y actuadores, llenado de gas, sujeción en prensas, llenado de depósitos de aire y expulsión de piezas</translation>
    </message>
    <message>
        <source>Single-stage air amplifier</source>
        <translation>Amplificador de una etapa</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificador con su sección motriz neumática y su sección de bomba en un mismo bastidor</translation>
    </message>
</context>
<context>
    <name>TZampCalcCycleSpeedForm</name>
    <message>
        <source>Calculation of Cycle Speed</source>
        <translation>Cálculo de la velocidad de ciclo</translation>
    </message>
    <message>
        <source>The cycle speed of an amplifier is its outlet flow divided by the free-air volume it displaces in one cycle. That volume is worked out from the piston displacement per cycle (Db) of the model, given in the Model Selection Chart, and from the supply pressure (Ps) at which the pump section fills. The examples below work the volume out in metric and in imperial units.</source>
        <translation>La velocidad de ciclo de un amplificador es su caudal de salida dividido por el volumen de aire libre que desplaza en un ciclo. Ese volumen se obtiene de la cilindrada por ciclo (Db) del modelo, dada en la tabla de modelos, y de la presión de alimentación (Ps) con que se llena la parte de bomba. Los ejemplos de abajo lo calculan en unidades métricas e imperiales.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in litres and Ps the supply pressure in bar gauge. Adding 1.0 to Ps and dividing by 1.0 converts the pressure to absolute atmospheres, so the result is in normal litres of free air per cycle; 0.85 is an approximate efficiency factor for the filling and clearance losses of the pump section.
Cycle speed (cycles/min) = outlet flow (normal litres/min) / normal litres per cycle.</source>
        <translation>donde Db es la cilindrada por ciclo en litros y Ps la presión de alimentación en bar manométricos. Sumar 1,0 a Ps y dividir por 1,0 da la presión en atmósferas absolutas, y el resultado en litros normales de aire libre por ciclo; 0,85 es un rendimiento aproximado (llenado y espacio muerto).
Velocidad de ciclo (ciclos/min) = caudal de salida (litros normales/min) / litros normales por ciclo.</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in cubic inches (dividing by 1728 gives cubic feet) and Ps the supply pressure in psig. Adding 14.7 to Ps and dividing by 14.7 converts it to absolute atmospheres, so the result is in standard cubic feet per cycle; 0.85 is the same approximate efficiency factor.
Cycle speed (cycles/min) = outlet flow (scfm) / scf per cycle.</source>
        <translation>donde Db es la cilindrada por ciclo en pulgadas cúbicas (dividida por 1728 en pies cúbicos) y Ps la presión de alimentación en psig. Sumar 14,7 a Ps y dividir por 14,7 da atmósferas absolutas, y el resultado en pies cúbicos estándar por ciclo; 0,85 es el mismo rendimiento aproximado.
Velocidad de ciclo (ciclos/min) = caudal de salida (scfm) / scf por ciclo.</translation>
    </message>
    <message>
        <source>When the maximum outlet flow required is known, convert it into a cycle speed and compare it with the maximum cycle rate of the model. For continuous duty derate the speed to about 50 % of the maximum and convert that back into a flow: this is the flow to rate the model at. Where one amplifier cannot give the flow at the derated speed, use several units in parallel.

Example: a model with Db = 6.2 cubic inches, at Ps = 100 psig, delivers 6.2/1728 × 114.7/14.7 × 0.85 = 0.0238 scf per cycle. At 50 % of a maximum rate of 95 cycles/min it is rated at 47.5 × 0.0238 = 1.13 scfm, so a continuous demand of 1.5 scfm needs two units in parallel.</source>
        <translation>Conocido el caudal de salida máximo requerido, se convierte en velocidad de ciclo y se compara con la cadencia máxima del modelo. En servicio continuo se reduce la velocidad a un 50 % del máximo y se vuelve a convertir en caudal: es el caudal nominal del modelo. Si un amplificador no basta, se usan varios en paralelo.

Ejemplo: un modelo con Db = 6,2 pulgadas cúbicas, a Ps = 100 psig, entrega 6,2/1728 × 114,7/14,7 × 0,85 = 0,0238 scf por ciclo. Al 50 % de una cadencia máxima de 95 ciclos/min da 47,5 × 0,0238 = 1,13 scfm, así que una demanda continua de 1,5 scfm requiere dos unidades en paralelo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Velocidad de ciclo</translation>
    </message>
    <message>
        <source>Normal litres per cycle</source>
        <translation>Litros normales por ciclo</translation>
    </message>
    <message>
        <source>Normal litres per cycle = Db x (Ps + 1.0) / 1.0 x 0.85</source>
        <translation>Litros normales por ciclo = Db x (Ps + 1.0) / 1.0 x 0.85</translation>
    </message>
    <message>
        <source>Example in normal litres</source>
        <translation>Ejemplo en litros normales</translation>
    </message>
    <message>
        <source>Standard cubic feet per cycle</source>
        <translation>Pies cúbicos estándar por ciclo</translation>
    </message>
    <message>
        <source>SCF per cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</source>
        <translation>SCF por ciclo = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</translation>
    </message>
    <message>
        <source>Example in standard cubic feet</source>
        <translation>Ejemplo en pies cúbicos estándar</translation>
    </message>
    <message>
        <source>Rating a model for a flow</source>
        <translation>Evaluar un modelo para un caudal</translation>
    </message>
</context>
<context>
    <name>TZampGeneralDescriptionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  General Description</source>
        <translation>Amplificadores de presión Zorvik  -  Descripción general</translation>
    </message>
    <message>
        <source>What is A Zorvik Air Pressure Amplifier</source>
        <translation>Qué es un amplificador de presión Zorvik</translation>
    </message>
    <message>
        <source>A Zorvik air pressure amplifier is an air-driven pump that raises the pressure of compressed air or gas. Part of the incoming air supply drives it; no electricity or other power is needed.

The pressure is generated by a differential-area piston: a large air drive piston, driven by air at line pressure, and a smaller pump piston on a common rod. The same force acts on both, so the pressure in the pump section is raised in the ratio of the two areas.

Cycling is automatic. At each end of the stroke the piston opens one of two pilot valves, which pressurises or vents the large end of an unbalanced cycling spool. Air on its small end acts as an air spring, so the spool snaps between its two positions and reverses the drive air; it cannot stop half way.</source>
        <translation>Un amplificador de presión Zorvik es una bomba neumática que eleva la presión del aire comprimido o de un gas, movida por parte del aire de alimentación, sin otra energía.

La presión la genera un pistón diferencial: un gran pistón motor, movido por aire a presión de red, y un pistón de bomba menor en un vástago común. Sobre ambos actúa la misma fuerza, así que la presión en la bomba sube en la relación de áreas.

La inversión es automática. Al final de cada carrera el pistón abre una de dos válvulas piloto, que presuriza o escapa el lado grande de una corredera desequilibrada. El aire en su lado pequeño hace de muelle: la corredera salta entre sus dos posiciones e invierte el aire motriz; no puede pararse a medias.</translation>
    </message>
    <message>
        <source>The area ratio - air drive piston area to pump piston area - is the dash number of every model code: an RB-15 has an area ratio of 15. With the air drive pressure it sets the maximum outlet pressure. A single-acting RB-15 driven with air at 90 psig (6.2 barg) stalls at 15 × 90 = 1350 psig (93 barg); in double-acting models the supply pressure adds to this. The data sheet of each model gives its exact stall formula.

Seals and bearings are lubrication-free: no oil is needed in the drive air, and none is carried into the boosted gas.</source>
        <translation>La relación de áreas - área del pistón motor entre la del pistón de bomba - es la cifra tras el guion del código: un RB-15 tiene una relación de 15. Con la presión motriz fija la presión de salida máxima. Un RB-15 de simple efecto movido con aire a 90 psig (6,2 barg) se cala a 15 × 90 = 1350 psig (93 barg); en los modelos de doble efecto se suma la presión de alimentación. La hoja de cada modelo da su fórmula exacta.

Juntas y cojinetes funcionan sin lubricación: el aire motriz no necesita aceite y no pasa ninguno al gas comprimido.</translation>
    </message>
    <message>
        <source>The amplifier is completely self-regulating. As the outlet pressure rises the piston slows, and at the maximum outlet pressure the forces on it balance and it stops: the amplifier stalls and holds the pressure without using any air or energy. When the outlet pressure falls, because gas is drawn off or leaks away, it starts cycling again automatically and restores it. No pressure switch or other control is needed.

Double-acting models pump on both strokes, delivering twice the volume per cycle of a single-acting model, and the supply pressure on their pump pistons helps to drive them. Two-stage models reach high pressures efficiently with a low compression ratio per stage. Power sizes range from 1/3 HP to 8 HP.</source>
        <translation>El amplificador es totalmente autorregulado. Al subir la presión de salida el pistón se frena, y a la presión máxima las fuerzas se equilibran y se detiene: el amplificador se cala y mantiene la presión sin gastar aire ni energía. Cuando la presión baja, por consumo o fugas, vuelve a funcionar solo y la restablece. No hace falta presostato ni otro mando.

Los modelos de doble efecto bombean en ambas carreras, el doble de volumen por ciclo, y la presión de alimentación sobre sus pistones ayuda a moverlos. Los modelos de dos etapas alcanzan altas presiones con eficacia y baja relación por etapa. Potencias de 1/3 CV a 8 CV.</translation>
    </message>
    <message>
        <source>Zorvik amplifiers are powered and controlled by the air they boost. They need no electrical connections, so they are safe in hazardous areas, and they are small enough to mount on the machine they serve.</source>
        <translation>Los amplificadores Zorvik se mueven y controlan con el aire que comprimen. Sin conexión eléctrica son seguros en zonas peligrosas y bastante pequeños para montarse en la máquina.</translation>
    </message>
    <message>
        <source>&amp;Using Performance Curves</source>
        <translation>&amp;Leer las curvas</translation>
    </message>
    <message>
        <source>&amp;Sizing Air Amplifiers</source>
        <translation>&amp;Dimensionar amplificadores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificador</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificador con su sección motriz neumática y su sección de bomba en un mismo bastidor</translation>
    </message>
    <message>
        <source>Sectional view</source>
        <translation>Vista en corte</translation>
    </message>
    <message>
        <source>A double-acting air amplifier cut open: the large air drive piston and the small pump pistons on one rod</source>
        <translation>Un amplificador de doble efecto seccionado: el gran pistón motriz neumático y los pequeños pistones de bomba en un mismo vástago</translation>
    </message>
    <message>
        <source>The area ratio</source>
        <translation>La relación de áreas</translation>
    </message>
    <message>
        <source>Self-regulation</source>
        <translation>Autorregulación</translation>
    </message>
    <message>
        <source>Power and control</source>
        <translation>Potencia y control</translation>
    </message>
</context>
<context>
    <name>TZampModelSelectionChartForm</name>
    <message>
        <source>Zorvik Air Driven Air Amplifiers - Model Selection Chart</source>
        <translation>Amplificadores de presión Zorvik - Tabla de modelos</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Relación</translation>
    </message>
    <message>
        <source>Max. Inlet Gas Press.</source>
        <translation>Entrada gas máx.</translation>
    </message>
    <message>
        <source>Max. Outlet Gas Press.</source>
        <translation>Salida gas máx.</translation>
    </message>
    <message>
        <source>Static Outlet Pressure Formula</source>
        <translation>Fórmula de presión estática</translation>
    </message>
    <message>
        <source>Piston Displ. per Cycle</source>
        <translation>Cilindrada por ciclo</translation>
    </message>
    <message>
        <source>Max. Air Drive</source>
        <translation>Aire motriz máx.</translation>
    </message>
    <message>
        <source>Drive Size</source>
        <translation>Tamaño motor</translation>
    </message>
    <message>
        <source>Model Number Codes</source>
        <translation>Códigos de los números de modelo</translation>
    </message>
    <message>
        <source>RB - single acting, single stage.
RBW - double acting, single stage: gains lift from the inlet gas pressure.
RBZ - two stage, with two pistons of different ratios.
The figure after the dash is the pressure ratio.</source>
        <translation>RB - simple efecto, una etapa.
RBW - doble efecto, una etapa: le ayuda la presión de entrada.
RBZ - dos etapas, dos relaciones de pistón.
La cifra tras el guion es la relación de presión.</translation>
    </message>
    <message>
        <source>• Pa = Air drive pressure
• Ps = Supply Inlet gas pressure</source>
        <translation>• Pa = Presión motriz
• Ps = Presión de entrada del gas</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Model selection chart</source>
        <translation>Tabla de modelos</translation>
    </message>
    <message>
        <source>One row for each model: model number, ratio, maximum inlet and outlet gas pressure, static outlet pressure formula, piston displacement per cycle, maximum air drive pressure and drive size</source>
        <translation>Una fila por cada modelo: número de modelo, relación, presión máxima de entrada y de salida del gas, fórmula de la presión de salida estática, cilindrada por ciclo, presión máxima de aire motriz y tamaño del motor</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Símbolos</translation>
    </message>
</context>
<context>
    <name>TZampOperationalGuideForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Operational Guidelines</source>
        <translation>Amplificadores de presión Zorvik  -  Pautas de uso</translation>
    </message>
    <message>
        <source>Operational Guidelines</source>
        <translation>Pautas de uso</translation>
    </message>
    <message>
        <source>While Zorvik amplifiers are built to boost compressed air straight from the plant supply, remember that all such air carries moisture. Compressing it again raises the pressure of its water vapour too, and the higher the outlet pressure, the more of it condenses out as water. A little moisture at a moderate pressure</source>
        <translation>Los amplificadores Zorvik comprimen el aire tomado directamente de la red, pero ese aire siempre lleva humedad. Al comprimirlo de nuevo sube también la presión de su vapor de agua, y cuanto mayor es la presión de salida, más se condensa en agua. Un poco de humedad a presión moderada</translation>
    </message>
    <message>
        <source>level does no harm. But once the boosted air is saturated, water collects in the pump section and the outlet line: it washes the grease from seals and bores, corrodes, and shortens the intervals between services.

For higher pressures, 40 barg or 600 psig for example, dry gases such as nitrogen are the better choice, or the air must be dried before the pump section (see Saturated Air). Where the quality of the delivered gas is critical, use a gas booster, which keeps the drive air completely apart from the gas being boosted.

Fit a filter with an automatic drain ahead of the amplifier, and drain the receiver and the outlet line regularly.</source>
        <translation>no hace daño. Pero cuando el aire comprimido se satura, el agua se acumula en la bomba y en la línea de salida: arrastra la grasa de juntas y cilindros, corroe y acorta los intervalos de mantenimiento.

Para presiones más altas, por ejemplo 40 barg o 600 psig, son mejores gases secos como el nitrógeno, o hay que secar el aire antes de la bomba (véase Aire saturado). Si la calidad del gas es crítica, use un booster de gas, que separa por completo el aire motriz del gas comprimido.

Monte un filtro con purga automática antes del amplificador y purgue a menudo el depósito y la línea de salida.</translation>
    </message>
    <message>
        <source>Preventing &apos;No Load Runaway&apos;</source>
        <translation>Evitar el embalamiento en vacío</translation>
    </message>
    <message>
        <source>Various manual and automatic controls prevent no-load runaway: an amplifier racing at full speed when its outlet is suddenly opened or a line bursts. See the options in the Dimensions &amp; Graphs window.</source>
        <translation>Varios mandos manuales y automáticos evitan el embalamiento: un amplificador que corre a toda velocidad si su salida se abre de golpe o revienta una línea. Vea las opciones de la ventana Dimensiones y curvas.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls. Ask your local office which of them suit your application.</source>
        <translation>Zorvik ofrece opciones de sistema, como depósitos de aire y mandos. Pregunte a su oficina cuáles convienen a su aplicación.</translation>
    </message>
    <message>
        <source>Maximum cycle rate</source>
        <translation>Cadencia máxima</translation>
    </message>
    <message>
        <source>The maximum cycle rate is a factor of the drive series: each series has its own, set by the size of its air drive and its cycling valves. It is reached where the outlet pressure meets the air drive / supply pressure on the performance graphs, at the left-hand end of each flow curve, where the amplifier works against the least back pressure.

Continuous running at the maximum rate wears the seals quickly. For continuous duty, size the amplifier to run at about 50 % of its maximum cycle rate; intermittent duty may use the full rate. The Calculation of Cycle Speed below shows how to work it out.

A high cycle rate also heats the pump section and the delivered air. Where an amplifier must run for long periods, choose a larger model that does the work at a lower speed, and keep the drive air clean and dry so that the cycling valves stay free.</source>
        <translation>La cadencia máxima depende de la serie del motor: cada serie tiene la suya, fijada por el tamaño de su motor neumático y sus válvulas. Se alcanza donde la presión de salida se une a la presión motriz / de alimentación en las curvas, en el extremo izquierdo de cada curva, contra la menor contrapresión.

Funcionar siempre a la cadencia máxima desgasta pronto las juntas. En servicio continuo, dimensione el amplificador para un 50 % de su cadencia máxima; el servicio intermitente puede usar la cadencia plena. El Cálculo de la velocidad de ciclo de abajo muestra cómo.

Una cadencia alta calienta también la bomba y el aire entregado. Para marchas largas elija un modelo mayor que trabaje más despacio, y mantenga el aire motriz limpio y seco para que las válvulas no se agarroten.</translation>
    </message>
    <message>
        <source>Other considerations include</source>
        <translation>Otras consideraciones</translation>
    </message>
    <message>
        <source>Cycling rate and unloaded operation: an amplifier should not run for long at high speed against little or no load, when it wears without doing useful work.

Size it so that the outlet pressure required is not too small a fraction of its maximum (stall) pressure: a model worked at the bottom of its range runs fast and uses more drive air for each cubic foot delivered. Where less flow is needed, throttle the drive air rather than let the amplifier race.</source>
        <translation>Cadencia y marcha en vacío: un amplificador no debe funcionar mucho tiempo deprisa con poca o ninguna carga; se desgasta sin trabajo útil.

Dimensiónelo para que la presión de salida requerida no sea una parte demasiado pequeña de su presión máxima (de calado): un modelo al pie de su rango va rápido y gasta más aire motriz por pie cúbico entregado. Si hace falta menos caudal, estrangule el aire motriz en vez de dejar que el amplificador se embale.</translation>
    </message>
    <message>
        <source>&amp;Calculation of Cycle Speed</source>
        <translation>&amp;Cálculo de la velocidad de ciclo</translation>
    </message>
    <message>
        <source>&amp;Saturated Air - Some Precautions</source>
        <translation>Aire &amp;saturado - algunas precauciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Moisture in the boosted air</source>
        <translation>Humedad en el aire amplificado</translation>
    </message>
    <message>
        <source>Double-acting air amplifier</source>
        <translation>Amplificador de doble efecto</translation>
    </message>
    <message>
        <source>A double-acting air amplifier with a pump section at each end</source>
        <translation>Un amplificador de doble efecto con una sección de bomba en cada extremo</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Opciones del sistema</translation>
    </message>
</context>
<context>
    <name>TZampSaturatedAirForm</name>
    <message>
        <source>Saturated Air - Some Precautions</source>
        <translation>Aire saturado - algunas precauciones</translation>
    </message>
    <message>
        <source>All air contains moisture, and compressed air holds the moisture of several volumes of atmospheric air in one. Most pneumatic equipment prefers dry air, and an air amplifier is no exception: it raises the pressure of the water vapour along with that of the air, so the higher it boosts the pressure, the drier the air at its inlet must be</source>
        <translation>Todo aire contiene humedad, y el aire comprimido lleva la de varios volúmenes de aire ambiente en uno. Casi todos los equipos neumáticos prefieren aire seco, también el amplificador: eleva con la presión del aire la del vapor de agua; cuanto más comprime, más seco debe ser el aire de entrada</translation>
    </message>
    <message>
        <source>to stay dry at its outlet. &quot;Dry&quot; is relative: what counts is the dewpoint, the temperature at which the moisture in the air starts to condense at the pressure it is at. Compressing air raises its dewpoint, because the water vapour is compressed with it: air with a pressure dewpoint of 10 °C (50 °F) at 7 barg (100 psig) has a dewpoint of about -18 °C (0 °F) at atmospheric pressure. Always compare pressure dewpoints.

The chart shows saturation lines for air dried to several dewpoints at 7 barg (100 psig). Boosted air stays dry as long as it stays to the right of its line, at a lower pressure or a higher temperature. To the left of it water condenses in the pump section, washes the grease from seals and bores, causes corrosion and is carried into the outlet line.

The lower the dewpoint of the air at the inlet, the higher it can be boosted before water appears: the examples below show how far each kind of dryer goes.</source>
        <translation>para seguir seco a la salida. «Seco» es relativo: cuenta el punto de rocío, la temperatura a la que la humedad se condensa a esa presión. Comprimir el aire eleva su punto de rocío, pues el vapor se comprime con él: un aire con punto de rocío a presión de 10 °C (50 °F) a 7 barg (100 psig) tiene unos -18 °C (0 °F) a presión atmosférica. Compare siempre puntos de rocío a presión.

El gráfico muestra las líneas de saturación del aire secado a varios puntos de rocío a 7 barg (100 psig). El aire comprimido sigue seco mientras quede a la derecha de su línea, a menor presión o mayor temperatura. A la izquierda el agua se condensa en la bomba, arrastra la grasa de juntas y cilindros, corroe y pasa a la línea de salida.

Cuanto más bajo el punto de rocío de entrada, más se puede comprimir antes de que aparezca agua: los ejemplos de abajo muestran hasta dónde llega cada secador.</translation>
    </message>
    <message>
        <source>A shop compressor heats the air it compresses; the aftercooler and the receiver cool it again, so the air in the line is usually saturated at about room temperature, and boosting it makes water condense at once. Even very dry air, at 20 °C (68 °F) and only 9 % relative humidity, is saturated when it is raised to about 10 barg (145 psig) and cools back to 20 °C (68 °F). Air that is to be boosted well above the line pressure therefore needs a dryer.</source>
        <translation>Un compresor de taller calienta el aire; el posenfriador y el depósito lo enfrían, así que el aire de la red suele estar saturado a temperatura ambiente, y al comprimirlo se condensa agua enseguida. Incluso un aire muy seco, a 20 °C (68 °F) y solo un 9 % de humedad relativa, se satura al llevarlo a unos 10 barg (145 psig) y enfriarse a 20 °C (68 °F). El aire que se vaya a comprimir muy por encima de la red necesita, pues, un secador.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 °C (50 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 10 °C (50 °F) can be boosted to about 14 barg (200 psig) without condensation at 20 °C (68 °F): example 1 on the chart. At a higher pressure, or if the pump section runs cooler, water condenses; for higher pressures choose a lower dewpoint. Such a dryer is common on plant air. It suits boosting to about twice the line pressure, but not beyond: above that, fit a dryer with a lower dewpoint or use nitrogen.</source>
        <translation>Secador frigorífico, punto de rocío 10 °C (50 °F). El aire secado a 7 barg (100 psig) a 10 °C (50 °F) de punto de rocío se comprime sin condensación hasta unos 14 barg (200 psig) a 20 °C (68 °F): ejemplo 1 del gráfico. Más allá, o si la bomba está más fría, se condensa agua; para más presión elija un punto de rocío más bajo. Habitual en las redes de planta, sirve hasta unas dos veces la presión de red, no más: por encima, use un secador mejor o nitrógeno.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 °C (32 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 0 °C (32 °F) can be boosted to just under 30 barg (about 425 psig) without condensation at 20 °C (68 °F): example 2 on the chart. This is about the lowest dewpoint a refrigerated dryer can give, as the condensate would freeze below it. It suits boosting to about four times the line pressure; above that, use a desiccant dryer or nitrogen. Drain the condensate trap of the dryer regularly, or fit an automatic drain.</source>
        <translation>Secador frigorífico, punto de rocío 0 °C (32 °F). El aire secado a 7 barg (100 psig) a 0 °C (32 °F) de punto de rocío se comprime sin condensación hasta algo menos de 30 barg (unos 425 psig) a 20 °C (68 °F): ejemplo 2 del gráfico. Es casi lo mínimo que da un secador frigorífico, pues por debajo el condensado se helaría. Sirve hasta unas cuatro veces la presión de red; por encima, use un secador de adsorción o nitrógeno. Purgue a menudo el secador o monte una purga automática.</translation>
    </message>
    <message>
        <source>Desiccant dryer, about -40 °C (-40 °F) dewpoint. A desiccant dryer on the pump-section inlet only (the drive air needs no drying) gives a pressure dewpoint of about -40 °C (-40 °F). This air can be boosted to over 240 barg (3480 psig) without condensation at 20 °C (68 °F): example 3, beyond the top of the chart. As only the air being boosted is dried, a small dryer will do. Its desiccant must be regenerated or changed at the intervals its maker gives, or the dewpoint rises again and water reaches the pump section after all.</source>
        <translation>Secador de adsorción, punto de rocío de unos -40 °C (-40 °F). Un secador de adsorción solo en la entrada de la bomba (el aire motriz no necesita secado) da un punto de rocío a presión de unos -40 °C (-40 °F). Ese aire se comprime sin condensación por encima de 240 barg (3480 psig) a 20 °C (68 °F): ejemplo 3, fuera del gráfico. Como solo se seca el aire comprimido, basta un secador pequeño. Su desecante debe regenerarse o cambiarse cuando indique el fabricante, o el punto de rocío vuelve a subir.</translation>
    </message>
    <message>
        <source>Using nitrogen. For requirements above 45 barg (650 psig), commercial nitrogen is often the simplest answer: it is dry, clean and inert. It can be boosted from bottles filled to 150 bar (2175 psi), which can then be used until they are nearly empty, or from liquid nitrogen vaporised at about 9 bar (130 psi). The amplifier is still driven by ordinary shop air, which never mixes with the nitrogen. Keep the bottles secured and fit a regulator rated for their full pressure; a manifold lets several bottles feed the amplifier in turn.</source>
        <translation>Nitrógeno. Por encima de 45 barg (650 psig), el nitrógeno comercial suele ser la solución más sencilla: seco, limpio e inerte. Se comprime desde botellas a 150 bar (2175 psi), que así se aprovechan casi hasta vaciarse, o desde nitrógeno líquido vaporizado a unos 9 bar (130 psi). El amplificador sigue movido por aire de taller, que nunca se mezcla con el nitrógeno. Sujete las botellas y monte un regulador apto para su presión plena; un colector alimenta varias botellas por turnos.</translation>
    </message>
    <message>
        <source>&amp;10°C (50°F) dewpoint dryer</source>
        <translation>Secador &amp;10°C (50°F)</translation>
    </message>
    <message>
        <source>&amp;0°C (32°F) dewpoint dryer</source>
        <translation>Secador &amp;0°C (32°F)</translation>
    </message>
    <message>
        <source>&amp;Dessicant Dryer</source>
        <translation>Secador de &amp;adsorción</translation>
    </message>
    <message>
        <source>Using &amp;Nitrogen</source>
        <translation>&amp;Nitrógeno</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Moisture in compressed air</source>
        <translation>Humedad en el aire comprimido</translation>
    </message>
    <message>
        <source>Dewpoint</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Air from a shop compressor</source>
        <translation>Aire de un compresor de taller</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Celsius</source>
        <translation>Líneas de saturación en grados Celsius</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 7 barg: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Punto de rocío a presión según la temperatura del aire para aire secado a 7 barg: el agua se condensa a la izquierda de una línea; los ejemplos 1 a 3 del texto están marcados en el gráfico</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Fahrenheit</source>
        <translation>Líneas de saturación en grados Fahrenheit</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 100 psig: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Punto de rocío a presión según la temperatura del aire para aire secado a 100 psig: el agua se condensa a la izquierda de una línea; los ejemplos 1 a 3 del texto están marcados en el gráfico</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 degrees Celsius dewpoint</source>
        <translation>Secador frigorífico, punto de rocío de 10 grados Celsius</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 degrees Celsius dewpoint</source>
        <translation>Secador frigorífico, punto de rocío de 0 grados Celsius</translation>
    </message>
    <message>
        <source>Desiccant dryer</source>
        <translation>Secador de adsorción</translation>
    </message>
    <message>
        <source>Using nitrogen</source>
        <translation>Uso de nitrógeno</translation>
    </message>
    <message>
        <source>Dryers</source>
        <translation>Secadores</translation>
    </message>
</context>
<context>
    <name>TZampSizingAmplifiersForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Sizing</source>
        <translation>Amplificadores de presión Zorvik  -  Dimensionado</translation>
    </message>
    <message>
        <source>Sizing Air Amplifiers</source>
        <translation>Dimensionar amplificadores</translation>
    </message>
    <message>
        <source>Several factors are involved in sizing an air amplifier correctly. Getting them right first time saves a second purchase.</source>
        <translation>Varios factores influyen en dimensionar bien un amplificador. Acertar a la primera ahorra una segunda compra.</translation>
    </message>
    <message>
        <source>Some concern the parameters of the application, others the nature of the application itself.</source>
        <translation>Unos afectan a los parámetros de la aplicación, otros a su propia naturaleza.</translation>
    </message>
    <message>
        <source>Dividing the outlet pressure required by the minimum air drive pressure gives the minimum area ratio, which is the dash number of the model: 1000 psig from an 80 psig drive needs a ratio of at least 12.5, so a -15 model. Allow a margin, as the flow falls to nothing at the maximum pressure; on double-acting models the supply pressure helps.

Where one amplifier cannot give the flow, several can work in parallel; where one ratio cannot reach the pressure, amplifiers can work in series, or a two-stage model does the job. Multipump units combine several amplifiers on one frame with common controls. In series the first amplifier feeds the second, so each works at a lower ratio and together they reach a pressure that neither could reach alone.</source>
        <translation>La presión de salida requerida dividida por la presión motriz mínima da la relación de áreas mínima, la cifra tras el guion: 1000 psig con 80 psig de aire motriz exigen al menos 12,5, o sea un modelo -15. Deje margen, pues el caudal cae a cero en la presión máxima; en los modelos de doble efecto ayuda la presión de alimentación.

Si un amplificador no da el caudal, varios pueden trabajar en paralelo; si una relación no llega a la presión, pueden trabajar en serie, o sirve un modelo de dos etapas. Los grupos multibomba reúnen varios amplificadores en un bastidor con mandos comunes. En serie el primero alimenta al segundo: cada uno trabaja con menor relación y juntos alcanzan una presión que ninguno lograría solo.</translation>
    </message>
    <message>
        <source>Specfic Parameters Include</source>
        <translation>Parámetros que precisar</translation>
    </message>
    <message>
        <source>What outlet pressure is required? (Po)
What is the minimum air drive pressure available? (Pa)
What is the supply pressure? (Ps; in most cases Pa = Ps)
What flow is required at the outlet pressure? (Q)</source>
        <translation>¿Qué presión de salida se requiere? (Po)
¿Qué presión motriz mínima hay disponible? (Pa)
¿Cuál es la presión de alimentación? (Ps; casi siempre Pa = Ps)
¿Qué caudal se requiere a la presión de salida? (Q)</translation>
    </message>
    <message>
        <source>Application Data Includes</source>
        <translation>Datos de la aplicación</translation>
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
        <translation>¿Servicio: continuo, o intermitente y con qué frecuencia?
¿Para qué se usa la alta presión?
    Ensayo: ¿qué volumen tiene la pieza ensayada,
    y en cuánto tiempo debe alcanzarse la presión?
    Expulsión: ¿qué volumen y presión por golpe,
    y cuántos golpes por minuto?
    Accionamiento: diámetro y carrera del cilindro; simple
    o doble efecto; qué carreras en alta presión;
    ¿cuántos ciclos por minuto?</translation>
    </message>
    <message>
        <source>Determination of Flow</source>
        <translation>Determinación del caudal</translation>
    </message>
    <message>
        <source>We should verify the flow required from the application data before a model is chosen: the flow that a test vessel, a cylinder or an ejector needs follows from its volume, its pressure and its cycle time, and it is easily under- or over-estimated.

Where the demand is intermittent, an air receiver downstream of the amplifier stores high-pressure air between demands. The amplifier then has to supply only the average flow, so a smaller model will do, and the receiver covers momentary peaks that no amplifier could follow.

As a guide, a vessel takes its volume times the pressure rise in atmospheres of free air, a cylinder its swept volume times its absolute pressure in atmospheres at each stroke, in the time allowed.</source>
        <translation>Compruebe el caudal requerido con los datos de la aplicación antes de elegir modelo: el de un depósito de ensayo, un cilindro o un expulsor se deduce de su volumen, su presión y su tiempo de ciclo, y es fácil quedarse corto o pasarse.

Si la demanda es intermitente, un depósito aguas abajo almacena aire a alta presión entre demandas. El amplificador solo aporta entonces el caudal medio, basta un modelo menor, y el depósito cubre los picos breves que ningún amplificador podría seguir.

Como orientación, un depósito toma su volumen por el aumento de presión en atmósferas de aire libre, un cilindro su volumen barrido por su presión absoluta en atmósferas en cada carrera, en el tiempo disponible.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls.</source>
        <translation>Zorvik ofrece opciones de sistema: depósitos y mandos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificador</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificador con su sección motriz neumática y su sección de bomba en un mismo bastidor</translation>
    </message>
    <message>
        <source>Sizing factors</source>
        <translation>Factores de dimensionado</translation>
    </message>
    <message>
        <source>Area ratio and several amplifiers</source>
        <translation>Relación de áreas y varios amplificadores</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Opciones del sistema</translation>
    </message>
</context>
<context>
    <name>TZampUsingCurvesForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Using Performance Curves</source>
        <translation>Amplificadores de presión Zorvik  -  Leer las curvas</translation>
    </message>
    <message>
        <source>Using Performance Curves</source>
        <translation>Leer las curvas de rendimiento</translation>
    </message>
    <message>
        <source>All Zorvik amplifiers are variable-pressure, variable-flow devices. The outlet pressure is set anywhere up to the maximum by regulating the air drive pressure, or, on double-acting models, the supply pressure as well. The flow is reduced by throttling the drive air.

Performance curves are published for every area ratio and power size. Each graph shows the outlet flow (Q) against the outlet pressure (Po) at one air drive pressure (Pa) and one supply pressure (Ps), with lines of constant drive air consumption (QA). The graph beside this text is an example for a double-acting RBW-2.

Values between the published curves can be found by interpolation. For conditions outside them, ask your local Zorvik representative for a performance calculation.

The lower curves of each graph are for lower supply pressures. On every curve the flow is greatest at its left-hand end and falls to nothing at the stall pressure.</source>
        <translation>Todos los amplificadores Zorvik son de presión y caudal variables. La presión de salida se ajusta hasta el máximo regulando la presión motriz y, en los modelos de doble efecto, también la de alimentación. El caudal se reduce estrangulando el aire motriz.

Hay curvas para cada relación de áreas y tamaño. Cada gráfico muestra el caudal de salida (Q) frente a la presión de salida (Po) a una presión motriz (Pa) y una de alimentación (Ps), con líneas de consumo de aire constante (QA). El gráfico de al lado es un ejemplo para un RBW-2 de doble efecto.

Los valores intermedios se obtienen por interpolación. Para otras condiciones, pida un cálculo a su representante de Zorvik.

Las curvas inferiores son para presiones de alimentación más bajas. En cada curva el caudal es máximo a la izquierda y cae a cero en la presión de calado.</translation>
    </message>
    <message>
        <source>Note that the flow falls as the outlet pressure rises: the closer the outlet pressure comes to the maximum, the slower the amplifier cycles.

The maximum outlet pressure is the zero-flow stall condition: the forces on the piston balance and the amplifier stops, holding the pressure without using any air.

When the downstream pressure drops, the balance is upset and the amplifier cycles again to restore it, so it also makes up any leakage from a closed system.</source>
        <translation>El caudal baja al subir la presión de salida: cuanto más se acerca al máximo, más despacio cicla el amplificador.

La presión de salida máxima es el calado a caudal nulo: las fuerzas sobre el pistón se equilibran y el amplificador se detiene, manteniendo la presión sin gastar aire.

Si la presión aguas abajo baja, el equilibrio se rompe y el amplificador vuelve a ciclar para restablecerla; así compensa también las fugas de un circuito cerrado.</translation>
    </message>
    <message>
        <source>To read the curves, find the outlet pressure (Po) on the horizontal axis, go up to the flow curve and read the outlet flow (Q) on the vertical axis; the line of constant air use through that point gives the drive air (QA).

The total air needed is the outlet flow plus the drive air: Q&#xa0;+&#xa0;QA.

Example: with Ps&#xa0;=&#xa0;100&#xa0;psig and Po&#xa0;=&#xa0;170&#xa0;psig the graph gives Q&#xa0;=&#xa0;30&#xa0;scfm and QA&#xa0;=&#xa0;50&#xa0;scfm, so the compressed air supply must provide 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Other points are read the same way.</source>
        <translation>Para leer las curvas, busque la presión de salida (Po) en el eje horizontal, suba hasta la curva y lea el caudal (Q) en el eje vertical; la línea de consumo constante que pasa por ese punto da el aire motriz (QA).

El aire total necesario es el caudal de salida más el aire motriz: Q&#xa0;+&#xa0;QA.

Ejemplo: con Ps&#xa0;=&#xa0;100&#xa0;psig y Po&#xa0;=&#xa0;170&#xa0;psig el gráfico da Q&#xa0;=&#xa0;30&#xa0;scfm y QA&#xa0;=&#xa0;50&#xa0;scfm, así que la red de aire debe dar 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Los demás puntos se leen igual.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Flow and stall</source>
        <translation>Caudal y calado</translation>
    </message>
    <message>
        <source>Reading the curves</source>
        <translation>Leer las curvas</translation>
    </message>
</context>
<context>
    <name>TZorvAmpMainForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers</source>
        <translation>Amplificadores de presión Zorvik</translation>
    </message>
    <message>
        <source>AIR PRESSURE</source>
        <translation>AMPLIFICADORES</translation>
    </message>
    <message>
        <source>AMPLIFIERS</source>
        <translation>DE PRESIÓN</translation>
    </message>
    <message>
        <source>&amp;Zorvik Introduction</source>
        <translation>&amp;Presentación Zorvik</translation>
    </message>
    <message>
        <source> &amp;Applications &amp;&amp; Benefits</source>
        <translation> &amp;Aplicaciones y ventajas</translation>
    </message>
    <message>
        <source>&amp;General Description</source>
        <translation>Descripción &amp;general</translation>
    </message>
    <message>
        <source>&amp;Operational Guidelines</source>
        <translation>Pautas de &amp;uso</translation>
    </message>
    <message>
        <source>  &amp;Model Selection Chart</source>
        <translation>  Tabla de &amp;modelos</translation>
    </message>
    <message>
        <source>&amp;Select an Air Amplifier</source>
        <translation>&amp;Elegir un modelo</translation>
    </message>
    <message>
        <source>&amp;Dimensions &amp;&amp; Graphs</source>
        <translation>&amp;Dimensiones y curvas</translation>
    </message>
    <message>
        <source>   &amp;Close</source>
        <translation>   &amp;Cerrar</translation>
    </message>
    <message>
        <source>Air amplifier selection and sizing program</source>
        <translation>Selección y dimensionado</translation>
    </message>
    <message>
        <source>Performance data: Zorvik Engineering</source>
        <translation>Rendimiento: Zorvik Engineering</translation>
    </message>
    <message>
        <source>(c) Zorvik Pneumatics Ltd.</source>
        <translation>(c) Zorvik Pneumatics Ltd.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Product display</source>
        <translation>Presentación del producto</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Zorvik Pneumatic Engineering: air pressure amplifiers, boosters for air and gas, selection and sizing</source>
        <translation>Zorvik Pneumatic Engineering: amplificadores de presión de aire, multiplicadores para aire y gas, selección y dimensionado</translation>
    </message>
    <message>
        <source>Air amplifier emblem</source>
        <translation>Emblema del amplificador</translation>
    </message>
    <message>
        <source>An amplifier with arrows: air in, higher pressure out</source>
        <translation>Un amplificador con flechas: entra aire y sale a mayor presión</translation>
    </message>
</context>
<context>
    <name>TZorvikAmpIntroductionForm</name>
    <message>
        <source>Zorvik Introduction</source>
        <translation>Presentación de Zorvik</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>For more than forty years Zorvik has designed and built air-driven equipment for industry: pumps, valves and pressure amplifiers that run on plant air alone.</source>
        <translation>Desde hace más de cuarenta años, Zorvik diseña y fabrica equipos neumáticos para la industria: bombas, válvulas y amplificadores de presión que funcionan solo con el aire de la planta.</translation>
    </message>
    <message>
        <source>Our products are made in our own plants in England and Scotland and supported by a worldwide network of offices and distributors.</source>
        <translation>Nuestros productos se fabrican en nuestras plantas de Inglaterra y Escocia y cuentan con una red mundial de oficinas y distribuidores.</translation>
    </message>
    <message>
        <source>The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact single-acting units to large double-acting and two-stage models.</source>
        <translation>La gama de amplificadores Zorvik eleva aire o gas hasta 345 bar (5000 psi), desde unidades compactas de simple efecto hasta grandes modelos de doble efecto y de dos etapas.</translation>
    </message>
    <message>
        <source>Continued investment in modern machining, assembly and test facilities means that every amplifier is pressure-tested before it leaves the factory.</source>
        <translation>Gracias a la inversión continua en mecanizado, montaje y ensayo modernos, cada amplificador se prueba a presión antes de salir de fábrica.</translation>
    </message>
    <message>
        <source>Head Office: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</source>
        <translation>Sede central: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel. 01632 960210  Fax 01632 960211</translation>
    </message>
    <message>
        <source>Zorvik Pneumatics</source>
        <translation>Zorvik Pneumatics</translation>
    </message>
    <message>
        <source>The company name</source>
        <translation>El nombre de la empresa</translation>
    </message>
    <message>
        <source>Worldwide network</source>
        <translation>Red mundial</translation>
    </message>
    <message>
        <source>A world map with the head office in England and regional offices and distributors in the U.S.A., Europe, Asia and Australasia</source>
        <translation>Un mapa del mundo con la sede central en Inglaterra y oficinas regionales y distribuidores en EE. UU., Europa, Asia y Australasia</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fábrica</translation>
    </message>
    <message>
        <source>The Zorvik factory building</source>
        <translation>El edificio de la fábrica Zorvik</translation>
    </message>
    <message>
        <source>About Zorvik</source>
        <translation>Acerca de Zorvik</translation>
    </message>
    <message>
        <source>Office address</source>
        <translation>Dirección de la oficina</translation>
    </message>
    <message>
        <source>Head office address</source>
        <translation>Dirección de la sede central</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>The office whose address is shown and printed on every page</source>
        <translation>La oficina cuya dirección se muestra e imprime en cada página</translation>
    </message>
</context>
<context>
    <name>TimageDisplayForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers - Selected Model</source>
        <translation>Amplificadores de presión Zorvik - Modelo elegido</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Los valores del gráfico en una tabla (Ctrl+T)</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabla</translation>
    </message>
</context>
<context>
    <name>TmodelDataForm</name>
    <message>
        <source>Model Selection Data</source>
        <translation>Datos del modelo</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Min air drive pressure</source>
        <translation>Presión motriz mín.</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Presión motriz máx.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to</source>
        <translation>La presión de entrada del gas (Ps) debe ser</translation>
    </message>
    <message>
        <source>Air drive pressure  (Pa) with this model.</source>
        <translation>igual a la presión motriz (Pa) en este modelo.</translation>
    </message>
    <message>
        <source>Use a common connection for drive and input supply</source>
        <translation>Use una conexión común para el motor y la entrada</translation>
    </message>
    <message>
        <source>Min inlet gas pressure</source>
        <translation>Presión entrada gas mín.</translation>
    </message>
    <message>
        <source>Max inlet gas pressure</source>
        <translation>Presión entrada gas máx.</translation>
    </message>
    <message>
        <source>Dependent on air drive pressure</source>
        <translation>Depende de la presión motriz</translation>
    </message>
    <message>
        <source>Max outlet gas pressure</source>
        <translation>Presión salida gas máx.</translation>
    </message>
    <message>
        <source>Max compression ratio</source>
        <translation>Relación de compresión máx.</translation>
    </message>
    <message>
        <source>Piston displacement / cycle</source>
        <translation>Cilindrada por ciclo</translation>
    </message>
    <message>
        <source>Stall pressure formula</source>
        <translation>Fórmula presión de calado</translation>
    </message>
    <message>
        <source>Max inlet gas pressure to avoid Interstage stall</source>
        <translation>Entrada de gas máx. sin calado intermedio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TzampGraph1Form</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Dimensions &amp; Graphs</source>
        <translation>Amplificadores de presión Zorvik  -  Dimensiones y curvas</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>En &amp;pulgadas</translation>
    </message>
    <message>
        <source>Show Amplifier</source>
        <translation>Ver amplificador</translation>
    </message>
    <message>
        <source>Model Data</source>
        <translation>Datos del modelo</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Ver &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Adjust pressure</source>
        <translation>&amp;Ajustar presión</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copiar la imagen al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Imp&amp;rimir</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>    Model Type</source>
        <translation>    Tipo</translation>
    </message>
    <message>
        <source>Available Options   (further details will be shown if applicable)</source>
        <translation>Opciones disponibles   (con detalles, si los hay)</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Número de modelo</translation>
    </message>
    <message>
        <source>Available options</source>
        <translation>Opciones disponibles</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Drive air pressure is too low!</source>
        <translation>¡La presión motriz es demasiado baja!</translation>
    </message>
    <message>
        <source>Drive air pressure is too high!</source>
        <translation>¡La presión motriz es demasiado alta!</translation>
    </message>
    <message>
        <source>Initial outlet pressure must be less than final outlet pressure!</source>
        <translation>¡La presión inicial debe ser menor que la final!</translation>
    </message>
    <message>
        <source>Vessel temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>¡La temperatura del depósito debe estar entre -20 y 60 °C (-4 a 140 °F)!</translation>
    </message>
    <message>
        <source>Final pressure is above the real-gas model&apos;s 700 bar absolute (10138 psig)!</source>
        <translation>¡La presión final supera los 700 bar absolutos (10138 psig) del modelo de gas real!</translation>
    </message>
    <message>
        <source>Flow rate cannot be zero!<byte value="xd"/>No Amplifier needed.</source>
        <translation>¡El caudal no puede ser cero!<byte value="xd"/>No hace falta amplificador.</translation>
    </message>
    <message>
        <source>Outlet pressure must be greater<byte value="xd"/>than inlet pressure!</source>
        <translation>¡La presión de salida debe ser mayor<byte value="xd"/>que la de entrada!</translation>
    </message>
    <message>
        <source>Gas temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>¡La temperatura del gas debe estar entre -20 y 60 °C (-4 a 140 °F)!</translation>
    </message>
</context>
<context>
    <name>zorvik::ComparisonWindow</name>
    <message>
        <source>Compare Amplifiers</source>
        <translation>Comparar amplificadores</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Horas al año:</translation>
    </message>
    <message>
        <source>Electricity price per k&amp;Wh:</source>
        <translation>Precio de la electricidad por k&amp;Wh:</translation>
    </message>
    <message>
        <source>&amp;Inlet gas from the drive air supply</source>
        <translation>Gas de &amp;entrada de la red de aire motriz</translation>
    </message>
    <message>
        <source>&amp;Model to add:</source>
        <translation>&amp;Modelo que añadir:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Column</source>
        <translation>&amp;Quitar la columna elegida</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copiar la tabla</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Guardar CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per n.m3/min:</source>
        <translation>Po&amp;tencia del compresor, kW por n.m3/min:</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per 100 scfm:</source>
        <translation>Po&amp;tencia del compresor, kW por 100 scfm:</translation>
    </message>
    <message>
        <source>The table could not be saved.</source>
        <translation>No se pudo guardar la tabla.</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer could not be started.</source>
        <translation>No se pudo imprimir la comparación: no se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Guardar la comparación</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Tabla comparativa</translation>
    </message>
    <message>
        <source>Model to add</source>
        <translation>Modelo que añadir</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Gráfico comparativo</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tabla del gráfico</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Los valores del gráfico en una tabla (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>zorvik::DataTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>zorvik::JobHeaderPanel</name>
    <message>
        <source>&amp;Job name:</source>
        <translation>Nombre del pro&amp;yecto:</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Referencia:</translation>
    </message>
    <message>
        <source>En&amp;gineer:</source>
        <translation>&amp;Ingeniero:</translation>
    </message>
    <message>
        <source>Revis&amp;ion:</source>
        <translation>Re&amp;visión:</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>&amp;Office on the pages:</source>
        <translation>&amp;Oficina en las páginas:</translation>
    </message>
    <message>
        <source>Running cost of the drive air</source>
        <translation>Coste del aire motriz</translation>
    </message>
    <message>
        <source>Compressor power, &amp;kW per 100 scfm:</source>
        <translation>Potencia del compresor, &amp;kW por 100 scfm:</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Horas al año:</translation>
    </message>
    <message>
        <source>&amp;Price per kWh:</source>
        <translation>&amp;Precio por kWh:</translation>
    </message>
    <message>
        <source>The gas boosted is dri&amp;ve air (its flow counts too)</source>
        <translation>El gas amplificado es aire &amp;motriz (su caudal también cuenta)</translation>
    </message>
    <message>
        <source>The office chosen in the program</source>
        <translation>La oficina elegida en el programa</translation>
    </message>
    <message>
        <source>%1 (not among this program&apos;s offices)</source>
        <translation>%1 (no está entre las oficinas de este programa)</translation>
    </message>
</context>
<context>
    <name>zorvik::JobTableModel</name>
    <message>
        <source>The figures differ from those saved:</source>
        <translation>Los valores difieren de los guardados:</translation>
    </message>
    <message>
        <source>Duty not valid</source>
        <translation>Servicio no válido</translation>
    </message>
    <message>
        <source>Figures changed</source>
        <translation>Valores cambiados</translation>
    </message>
    <message>
        <source>No model</source>
        <translation>Sin modelo</translation>
    </message>
    <message>
        <source>Fails the duty</source>
        <translation>No cumple el servicio</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Llenado</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Entrega</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Aire motriz</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Coste de funcionamiento</translation>
    </message>
    <message>
        <source>Change tag</source>
        <translation>Cambiar la etiqueta</translation>
    </message>
    <message>
        <source>Change quantity</source>
        <translation>Cambiar la cantidad</translation>
    </message>
</context>
<context>
    <name>zorvik::JobWindow</name>
    <message>
        <source>Change the job&apos;s details</source>
        <translation>Cambiar los datos del proyecto</translation>
    </message>
    <message>
        <source>&amp;Add item</source>
        <translation>&amp;Añadir partida</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ñadir</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Dup&amp;licar</translation>
    </message>
    <message>
        <source>&amp;Edit duty...</source>
        <translation>Editar el &amp;servicio...</translation>
    </message>
    <message>
        <source>Edit du&amp;ty...</source>
        <translation>Editar el servicio (&amp;t)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;Submittal...</source>
        <translation>&amp;Dossier...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Su&amp;bmittal...</source>
        <translation>Dossie&amp;r...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Proyecto sin título</translation>
    </message>
    <message>
        <source>%1[*] - Job - Zorvik Air Pressure Amplifiers</source>
        <translation>%1[*] - Proyecto - Amplificadores de presión Zorvik</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Partida %1</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Añadir una partida</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>&amp;Keep in job</source>
        <translation>Guardar en el pro&amp;yecto</translation>
    </message>
    <message>
        <source>Edit duty</source>
        <translation>Editar el servicio</translation>
    </message>
    <message>
        <source>&amp;Add to job</source>
        <translation>&amp;Añadir al proyecto</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved.</source>
        <translation>El proyecto «%1» tiene cambios sin guardar.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>The job file %1 cannot be opened.</source>
        <translation>El archivo de proyecto %1 no se puede abrir.</translation>
    </message>
    <message>
        <source>Replace it with this job?</source>
        <translation>¿Sustituirlo por este proyecto?</translation>
    </message>
    <message>
        <source>The job could not be saved in %1.</source>
        <translation>El proyecto no se pudo guardar en %1.</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Guardar el proyecto</translation>
    </message>
    <message>
        <source>Job files (*.zjob)</source>
        <translation>Archivos de proyecto (*.zjob)</translation>
    </message>
    <message>
        <source>Open a job</source>
        <translation>Abrir un proyecto</translation>
    </message>
    <message>
        <source>Job files (*.zjob);;All files (*)</source>
        <translation>Archivos de proyecto (*.zjob);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>No job opened yet</source>
        <translation>Ningún proyecto abierto todavía</translation>
    </message>
    <message>
        <source>1 item&apos;s figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Los valores de 1 partida difieren de los guardados en el archivo: vea «Control».</translation>
    </message>
    <message>
        <source>%1 items&apos; figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Los valores de %1 partidas difieren de los guardados en el archivo: vea «Control».</translation>
    </message>
    <message>
        <source>The submittal could not be written.</source>
        <translation>El dossier no se pudo escribir.</translation>
    </message>
    <message>
        <source> submittal</source>
        <translation> dossier</translation>
    </message>
    <message>
        <source>Write the submittal</source>
        <translation>Escribir el dossier</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The job cannot be kept against a crash in %1.</source>
        <translation>El proyecto no se puede proteger contra un cierre inesperado en %1.</translation>
    </message>
    <message>
        <source>Job items</source>
        <translation>Elementos del proyecto</translation>
    </message>
    <message>
        <source>Save it under another name?</source>
        <translation>¿Guardarlo con otro nombre?</translation>
    </message>
    <message>
        <source>Writing the submittal...</source>
        <translation>Escribiendo el dossier...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zorvik::TAdjustAirDriveForm</name>
    <message>
        <source>Air drive pressure is too low!</source>
        <translation>¡La presión motriz es demasiado baja!</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!</source>
        <translation>¡La presión motriz es demasiado alta!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too low!</source>
        <translation>¡La presión de entrada es demasiado baja!</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too high!</source>
        <translation>¡La presión de entrada es demasiado alta!</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número válido</translation>
    </message>
</context>
<context>
    <name>zorvik::TAmplifierSelectionForm</name>
    <message>
        <source>C&amp;ompare...</source>
        <translation>C&amp;omparar...</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 a %2 %3</translation>
    </message>
    <message>
        <source>No selections</source>
        <translation>Ningún modelo</translation>
    </message>
    <message>
        <source>%1 is not a valid value!</source>
        <translation>¡%1 no es un valor válido!</translation>
    </message>
    <message>
        <source>No air amplifier selected...</source>
        <translation>Ningún amplificador elegido...</translation>
    </message>
    <message>
        <source>No air pressure amplifier selected</source>
        <translation>Ningún amplificador de presión elegido</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>la lista</translation>
    </message>
    <message>
        <source>No model is chosen in the list.<byte value="xd"/>Keep the duty in the job without a model?</source>
        <translation>No hay ningún modelo elegido en la lista.<byte value="xd"/>¿Guardar el servicio en el proyecto sin modelo?</translation>
    </message>
    <message>
        <source>Continuous process</source>
        <translation>Proceso continuo</translation>
    </message>
    <message>
        <source>Chooses the layout for a constant pressure source feeding a continuous process</source>
        <translation>Elige la disposición para una fuente de presión constante que alimenta un proceso continuo</translation>
    </message>
    <message>
        <source>Vessel charging</source>
        <translation>Llenado de depósitos</translation>
    </message>
    <message>
        <source>Chooses the layout for charging a vessel</source>
        <translation>Elige la disposición para llenar un depósito</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the vessel on the right</source>
        <translation>%1: el aire motriz y la entrada de gas a la izquierda, el depósito a la derecha</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the outlet on the right</source>
        <translation>%1: el aire motriz y la entrada de gas a la izquierda, la salida a la derecha</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampModelSelectionChartForm</name>
    <message>
        <source>The chart</source>
        <translation>la tabla</translation>
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
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Loading %1<byte value="xd"/>loading error.</source>
        <translation>Cargando %1<byte value="xd"/>error de carga.</translation>
    </message>
    <message>
        <source>The chosen office could not be saved in<byte value="xd"/>%1<byte value="xd"/>It will not be remembered at the next start.</source>
        <translation>No se pudo guardar la oficina elegida en<byte value="xd"/>%1<byte value="xd"/>No se recordará en el próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Jobs</source>
        <translation>Pedid&amp;os</translation>
    </message>
    <message>
        <source>A customer&apos;s duties, kept in a job file and sent as one submittal</source>
        <translation>Los servicios de un cliente, reunidos en un archivo de proyecto y enviados como un solo dossier</translation>
    </message>
</context>
<context>
    <name>zorvik::TimageDisplayForm</name>
    <message>
        <source>The data sheet</source>
        <translation>la hoja de datos</translation>
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
        <translation>%1 litros</translation>
    </message>
    <message>
        <source>( %1 cu. inch )</source>
        <translation>( %1 pulg.³ )</translation>
    </message>
    <message>
        <source>less than %1 x pAir</source>
        <translation>menos de %1 x pAir</translation>
    </message>
</context>
<context>
    <name>zorvik::TzampGraph1Form</name>
    <message>
        <source>The data sheet</source>
        <translation>la hoja de datos</translation>
    </message>
    <message>
        <source>Show &amp;Bar &amp;&amp; l/min</source>
        <translation>En &amp;bar y l/min</translation>
    </message>
    <message>
        <source>Sho&amp;w Psi &amp;&amp; Scfm</source>
        <translation>En psi y sc&amp;fm</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Ver &amp;gráfico</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Ver &amp;plano</translation>
    </message>
    <message>
        <source>S&amp;how mm</source>
        <translation>E&amp;n mm</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>En &amp;pulgadas</translation>
    </message>
    <message>
        <source>  Single acting</source>
        <translation>  Simple efecto</translation>
    </message>
    <message>
        <source>  Single stage</source>
        <translation>  Una etapa</translation>
    </message>
    <message>
        <source>  Double acting</source>
        <translation>  Doble efecto</translation>
    </message>
    <message>
        <source>  Two stage</source>
        <translation>  Dos etapas</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
</TS>
