<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ChartTable</name>
    <message>
        <source>Inlet %1 %2</source>
        <translation>Entrée %1 %2</translation>
    </message>
    <message>
        <source>Duty at full speed</source>
        <translation>Point de service à pleine vitesse</translation>
    </message>
    <message>
        <source>Charging point %1</source>
        <translation>Point de remplissage %1</translation>
    </message>
    <message>
        <source>Performance chart of %1 - %2</source>
        <translation>Diagramme de performance de %1 - %2</translation>
    </message>
    <message>
        <source>Curve or point</source>
        <translation>Courbe ou point</translation>
    </message>
    <message>
        <source>Outlet pressure, %1</source>
        <translation>Pression de sortie, %1</translation>
    </message>
    <message>
        <source>Outlet flow, %1</source>
        <translation>Débit de sortie, %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Delivered flow against outlet pressure at %1 drive, %2 inlet</source>
        <translation>Débit fourni selon la pression de sortie, air moteur %1, entrée %2</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Pression de sortie</translation>
    </message>
    <message>
        <source>Delivered flow</source>
        <translation>Débit fourni</translation>
    </message>
    <message>
        <source>Required: %1 at %2</source>
        <translation>Demandé : %1 à %2</translation>
    </message>
    <message>
        <source>Vessel pressure against time</source>
        <translation>Pression du réservoir selon le temps</translation>
    </message>
    <message>
        <source>Time, minutes</source>
        <translation>Temps, minutes</translation>
    </message>
    <message>
        <source>Vessel pressure</source>
        <translation>Pression du réservoir</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numéro du modèle</translation>
    </message>
    <message>
        <source>Listed by the selection</source>
        <translation>Retenu par la sélection</translation>
    </message>
    <message>
        <source>No, near miss</source>
        <translation>Non, de peu</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Drive air used</source>
        <translation>Air moteur consommé</translation>
    </message>
    <message>
        <source>Total input air (flow + drive air)</source>
        <translation>Air total (débit + air moteur)</translation>
    </message>
    <message>
        <source>Cycles per minute</source>
        <translation>Cycles par minute</translation>
    </message>
    <message>
        <source>Speed, % of maximum</source>
        <translation>Vitesse, % du maximum</translation>
    </message>
    <message>
        <source>Compression ratio</source>
        <translation>Taux de compression</translation>
    </message>
    <message>
        <source>Volumetric efficiency, %</source>
        <translation>Rendement volumétrique, %</translation>
    </message>
    <message>
        <source>Stall pressure at this drive</source>
        <translation>Pression d’équilibre à cet air moteur</translation>
    </message>
    <message>
        <source>Margin to maximum outlet</source>
        <translation>Marge jusqu’à la sortie maximale</translation>
    </message>
    <message>
        <source>Cut back to the air available</source>
        <translation>Limité à l’air disponible</translation>
    </message>
    <message>
        <source>Flow flat out at this outlet</source>
        <translation>Débit à plein régime à cette sortie</translation>
    </message>
    <message>
        <source>Speed at the duty, % of maximum</source>
        <translation>Vitesse au point de service, % du maximum</translation>
    </message>
    <message>
        <source>Cycles per minute at the duty</source>
        <translation>Cycles par minute au point de service</translation>
    </message>
    <message>
        <source>Above %1 % of maximum speed</source>
        <translation>Au-delà de %1 % de la vitesse maximale</translation>
    </message>
    <message>
        <source>Drive air at the duty</source>
        <translation>Air moteur au point de service</translation>
    </message>
    <message>
        <source>Units in parallel for the flow</source>
        <translation>Appareils en parallèle pour le débit</translation>
    </message>
    <message>
        <source>Drive air of those units</source>
        <translation>Air moteur de ces appareils</translation>
    </message>
    <message>
        <source>Total input air at the duty</source>
        <translation>Air total au point de service</translation>
    </message>
    <message>
        <source>Drive air to spare at the duty</source>
        <translation>Réserve d’air moteur au point de service</translation>
    </message>
    <message>
        <source>Energy a year at the duty, kWh</source>
        <translation>Énergie par an au point de service, kWh</translation>
    </message>
    <message>
        <source>Cost a year at the duty</source>
        <translation>Coût par an au point de service</translation>
    </message>
    <message>
        <source>Meets the duty</source>
        <translation>Satisfait au service</translation>
    </message>
    <message>
        <source>Fill time, minutes</source>
        <translation>Durée de remplissage, minutes</translation>
    </message>
    <message>
        <source>Total drive air</source>
        <translation>Air moteur total</translation>
    </message>
    <message>
        <source>Average drive air</source>
        <translation>Air moteur moyen</translation>
    </message>
    <message>
        <source>Average cycles per minute</source>
        <translation>Cycles moyens par minute</translation>
    </message>
    <message>
        <source>Energy a fill, kWh</source>
        <translation>Énergie par remplissage, kWh</translation>
    </message>
    <message>
        <source>Cost a fill</source>
        <translation>Coût par remplissage</translation>
    </message>
    <message>
        <source>%1 kW per n.m3/min</source>
        <translation>%1 kW par n.m3/min</translation>
    </message>
    <message>
        <source>%1 kW per 100 scfm</source>
        <translation>%1 kW par 100 scfm</translation>
    </message>
    <message>
        <source>drive air not limited</source>
        <translation>air moteur illimité</translation>
    </message>
    <message>
        <source>%1 drive air available</source>
        <translation>%1 d’air moteur disponible</translation>
    </message>
    <message>
        <source>any flow</source>
        <translation>débit quelconque</translation>
    </message>
    <message>
        <source>%1 required</source>
        <translation>%1 demandés</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, outlet %4, %5.  Cost: %6, %7 hours a year, %8 per kWh</source>
        <translation>Air moteur %1, %2, entrée %3, sortie %4, %5.  Coût : %6, %7 heures par an, %8 par kWh</translation>
    </message>
    <message>
        <source>%1, inlet gas from the same air supply</source>
        <translation>%1, gaz d’entrée pris sur le même réseau d’air</translation>
    </message>
    <message>
        <source>%1 litres</source>
        <translation>%1 litres</translation>
    </message>
    <message>
        <source>%1 cu ft</source>
        <translation>%1 pi³</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6.  Cost: %7, %8 per kWh</source>
        <translation>Air moteur %1, %2, entrée %3, réservoir de %4 de %5 à %6.  Coût : %7, %8 par kWh</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Delivered %1 flow against outlet pressure at %2 drive, %3 inlet</source>
        <translation>Débit de %1 selon la pression de sortie à %2 moteur, %3 en entrée</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Discharge temperature, upper bound</source>
        <translation>Température de refoulement, borne haute</translation>
    </message>
    <message>
        <source>%1 at %2, </source>
        <translation>%1 à %2, </translation>
    </message>
    <message>
        <source>, discharge limit %1</source>
        <translation>, limite de refoulement %1</translation>
    </message>
    <message>
        <source>Drive %1, %2, inlet %3, vessel of %4 from %5 to %6, contents counted as a real gas.  Cost: %7, %8 per kWh</source>
        <translation>Moteur %1, %2, entrée %3, réservoir de %4 de %5 à %6, contenu compté en gaz réel.  Coût : %7, %8 par kWh</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>ComparisonChart</name>
    <message>
        <source> (no curve)</source>
        <translation> (pas de courbe)</translation>
    </message>
</context>
<context>
    <name>ComparisonChartTable</name>
    <message>
        <source>%1 (not listed)</source>
        <translation>%1 (non répertorié)</translation>
    </message>
    <message>
        <source>%1: %2 against %3, one line for each of %4.</source>
        <translation>%1 : %2 selon %3, une ligne pour chacun de : %4.</translation>
    </message>
    <message>
        <source> %1 at %2, %3.</source>
        <translation> %1 à %2, %3.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Entrée ou Ctrl+T affiche ses valeurs sous forme de tableau.</translation>
    </message>
    <message>
        <source>Model or point</source>
        <translation>Modèle ou point</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>Sorry......<byte value="xd"/>The code for this drawing has not been written yet!</source>
        <translation>Désolé......<byte value="xd"/>Ce plan n’est pas encore programmé !</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Air Drive Inlet</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entrée air moteur</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port</source>
        <translation>3/8&quot; NPT Entrée</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Outlet Port</source>
        <translation>3/8&quot; NPT Sortie</translation>
    </message>
    <message>
        <source>Air Drive <byte value="xd"/>Inlet</source>
        <translation>Entrée<byte value="xd"/>air moteur</translation>
    </message>
    <message>
        <source>Exhaust Muffler</source>
        <translation>Silencieux</translation>
    </message>
    <message>
        <source>3/8&quot; NPT Inlet Port<byte value="xd"/>3/8 NPT Outlet port (rear side)</source>
        <translation>3/8&quot; NPT Entrée<byte value="xd"/>3/8 NPT Sortie (arrière)</translation>
    </message>
    <message>
        <source>Fixings<byte value="xd"/>4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fixation<byte value="xd"/>4 lumières<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Inlet Port</source>
        <translation>1/4&quot; NPT Entrée</translation>
    </message>
    <message>
        <source>1/4&quot; NPT Outlet Port</source>
        <translation>1/4&quot; NPT Sortie</translation>
    </message>
    <message>
        <source>Exhaust<byte value="xd"/>Muffler</source>
        <translation>Silen-<byte value="xd"/>cieux</translation>
    </message>
    <message>
        <source>Fixings 4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fixation 4 lumières<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Entrée</translation>
    </message>
    <message>
        <source>3/8&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>3/8&quot; NPT<byte value="xd"/>Sortie</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Inlet Port</source>
        <translation>Tube 1/2&quot;<byte value="xd"/>Entrée</translation>
    </message>
    <message>
        <source>1/2&quot; Tube<byte value="xd"/>Outlet Port</source>
        <translation>Tube 1/2&quot;<byte value="xd"/>Sortie</translation>
    </message>
    <message>
        <source>Fixings  4 slots<byte value="xd"/>11 mm (7/16&quot;)</source>
        <translation>Fixation  4 lumières<byte value="xd"/>11 mm (7/16&quot;)</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entrées<byte value="xd"/>à chaque bout</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Ports<byte value="xd"/>Each end</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Sorties<byte value="xd"/>à chaque bout</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Inlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Entrée</translation>
    </message>
    <message>
        <source>1/4&quot; NPT<byte value="xd"/>Outlet Port</source>
        <translation>1/4&quot; NPT<byte value="xd"/>Sortie</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>3/4&quot; NPT</source>
        <translation>Entrée air moteur<byte value="xd"/>3/4&quot; NPT</translation>
    </message>
    <message>
        <source>1&quot; NPT Outlet Port (this side)<byte value="xd"/>1&quot; NPT Inlet Port (rear side)</source>
        <translation>1&quot; NPT Sortie (ce côté)<byte value="xd"/>1&quot; NPT Entrée (arrière)</translation>
    </message>
    <message>
        <source>Fixings 8 holes<byte value="xd"/>13.5 mm dia (17/32&quot; dia)</source>
        <translation>Fixation 8 trous<byte value="xd"/>Ø 13,5 mm (Ø 17/32&quot;)</translation>
    </message>
    <message>
        <source>PLAN</source>
        <translation>VUE DE DESSUS</translation>
    </message>
    <message>
        <source>Air Inlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Entrée d’air <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Air Outlet port <byte value="xd"/>1/4&quot; NPT</source>
        <translation>Sortie d’air <byte value="xd"/>1/4&quot; NPT</translation>
    </message>
    <message>
        <source>Wall Mounting<byte value="xd"/>4 holes<byte value="xd"/>10 mm dia<byte value="xd"/>(3/8&quot; dia)</source>
        <translation>Montage mural<byte value="xd"/>4 trous<byte value="xd"/>Ø 10 mm<byte value="xd"/>(Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Base Mounting 4 holes<byte value="xd"/>10 mm dia (3/8&quot; dia)</source>
        <translation>Montage au sol 4 trous<byte value="xd"/>Ø 10 mm (Ø 3/8&quot;)</translation>
    </message>
    <message>
        <source>Air Drive Inlet<byte value="xd"/>1/2&quot; NPT  8.6 bar (125 psi) max</source>
        <translation>Entrée air moteur<byte value="xd"/>1/2&quot; NPT  8,6 bar (125 psi) max.</translation>
    </message>
    <message>
        <source>Mounting holes<byte value="xd"/>4 x 10mm (0.39&quot;) dia</source>
        <translation>Trous de fixation<byte value="xd"/>4 x Ø 10 mm (0,39&quot;)</translation>
    </message>
    <message>
        <source>Model 61306 is a complete pneumatic<byte value="xd"/>system designed to provide amplified<byte value="xd"/>pressure and momentary high flow.</source>
        <translation>Le modèle 61306 est un système<byte value="xd"/>pneumatique complet qui fournit une<byte value="xd"/>pression amplifiée et un fort débit<byte value="xd"/>momentané.</translation>
    </message>
    <message>
        <source>It utilizes available plant air (up to 6.5 bar<byte value="xd"/>95 psi) to both the supply and drive inlets<byte value="xd"/>of the model RBW-2 which automatically<byte value="xd"/>stalls once the storage tank has been<byte value="xd"/>filled to about double the supply pressure.</source>
        <translation>Il utilise l’air de l’usine (jusqu’à 6,5 bar,<byte value="xd"/>95 psi) pour l’entrée et l’air moteur<byte value="xd"/>du modèle RBW-2, qui cale de lui-même<byte value="xd"/>dès que le réservoir est rempli à environ<byte value="xd"/>deux fois la pression d’alimentation.</translation>
    </message>
    <message>
        <source>The amplifier will sense any use of air from<byte value="xd"/>the tank, and resume operation again to stall<byte value="xd"/>at about 2 times supply pressure.</source>
        <translation>L’amplificateur détecte tout prélèvement<byte value="xd"/>d’air dans le réservoir et redémarre<byte value="xd"/>jusqu’à caler vers 2 fois la pression<byte value="xd"/>d’alimentation.</translation>
    </message>
    <message>
        <source>The regulator on the tank output is provided<byte value="xd"/>to control output pressure and flow, up to<byte value="xd"/>about (momentarily) 4.2 Nm3/min 150 scfm.<byte value="xd"/>Also included is an ASME coded safety relief<byte value="xd"/>valve on the tank set at 13.8 bar (200 psi).</source>
        <translation>Le régulateur en sortie de réservoir règle<byte value="xd"/>la pression et le débit, jusqu’à environ<byte value="xd"/>4,2 Nm3/min (150 scfm) momentanément.<byte value="xd"/>Une soupape de sûreté ASME tarée à<byte value="xd"/>13,8 bar (200 psi) équipe le réservoir.</translation>
    </message>
</context>
<context>
    <name>DutyNote</name>
    <message>
        <source>%1 (%2 % speed, %3 %4)</source>
        <translation>%1 (%2 % de la vitesse, %3 %4)</translation>
    </message>
    <message>
        <source>%1 (%2 % speed, %3 of %4 %5)</source>
        <translation>%1 (%2 % de la vitesse, %3 sur %4 %5)</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>No selections. Nearest model, %1: %2.</source>
        <translation>Aucun modèle. Le plus proche, %1 : %2.</translation>
    </message>
    <message>
        <source>No selections at full output on the air available; throttled to the flow asked for, these meet the duty: %1.</source>
        <translation>Aucun modèle à plein régime avec l’air disponible ; étranglés au débit demandé, ceux-ci conviennent : %1.</translation>
    </message>
    <message>
        <source>Also meet the duty throttled (the list runs each model flat out on the air available): %1.</source>
        <translation>Conviennent aussi une fois étranglés (la liste fait tourner chaque modèle à plein régime avec l’air disponible) : %1.</translation>
    </message>
    <message>
        <source>* Discharge can pass the %1 limit: %2.</source>
        <translation>* La sortie peut dépasser la limite de %1 : %2.</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Null is not valid value</source>
        <translation>Un champ vide n’est pas une valeur valable</translation>
    </message>
    <message>
        <source>%1 is not valid value</source>
        <translation>%1 n’est pas une valeur valable</translation>
    </message>
    <message>
        <source>Initial outlet pressure is lower than supply pressure!<byte value="xd"/>equalise pressures before starting amplifier.</source>
        <translation>La pression de sortie initiale est inférieure à la pression d’entrée !<byte value="xd"/>égalisez les pressions avant de démarrer l’amplificateur.</translation>
    </message>
    <message>
        <source>%1 is not a gas the program sizes</source>
        <translation>%1 n’est pas un gaz que le programme sait dimensionner</translation>
    </message>
</context>
<context>
    <name>Gases</name>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Carbon dioxide</source>
        <translation>Dioxyde de carbone</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Methane</source>
        <translation>Méthane</translation>
    </message>
    <message>
        <source>Oxygen: the booster, its piping and the vessel must be cleaned and built for oxygen service. Heating by fast compression is an ignition source: open valves slowly and keep oil and grease away.</source>
        <translation>Oxygène : l’amplificateur, sa tuyauterie et le réservoir doivent être nettoyés et conçus pour l’oxygène. L’échauffement d’une compression rapide peut l’enflammer : ouvrez les vannes lentement, sans huile ni graisse.</translation>
    </message>
    <message>
        <source>Hydrogen: every wetted part must be of a material fit for hydrogen service, and leakage and relief outlets must vent safely to open air, away from any source of ignition.</source>
        <translation>Hydrogène : toute pièce en contact avec le gaz doit être d’un matériau adapté à l’hydrogène ; fuites et soupapes doivent s’évacuer sans danger à l’air libre, loin de toute source d’ignition.</translation>
    </message>
    <message>
        <source>Carbon dioxide liquefies under pressure at room temperature: an outlet or a vessel at or above its vapour pressure holds liquid, which this sizing does not cover. Vent it to a ventilated place.</source>
        <translation>Le dioxyde de carbone se liquéfie sous pression à température ambiante : une sortie ou un réservoir à sa pression de vapeur ou au-delà contient du liquide, hors de ce calcul. Évacuez-le dans un lieu ventilé.</translation>
    </message>
    <message>
        <source>%1 bar absolute (%2 psig)</source>
        <translation>%1 bar absolus (%2 psig)</translation>
    </message>
    <message>
        <source>%1 is solid or liquid at %2 and %3, below its triple point</source>
        <translation>%1 est solide ou liquide à %2 et %3, sous son point triple</translation>
    </message>
    <message>
        <source>%1 is liquid or two-phase at %2 and %3: it liquefies from %4 at this temperature</source>
        <translation>%1 est liquide ou diphasique à %2 et %3 : à cette température, il se liquéfie dès %4</translation>
    </message>
    <message>
        <source>The real-gas model covers %1 to %2; %3 is outside it</source>
        <translation>Le modèle de gaz réel couvre de %1 à %2 ; %3 est hors de ce domaine</translation>
    </message>
    <message>
        <source>The real-gas model covers absolute pressures above 0 up to %1; %2 is outside it</source>
        <translation>Le modèle de gaz réel couvre les pressions absolues au-dessus de 0 jusqu’à %1 ; %2 est hors de ce domaine</translation>
    </message>
    <message>
        <source>The equation of state of %1 gives no gas state at %2 and %3</source>
        <translation>L’équation d’état de %1 ne donne aucun état gazeux à %2 et %3</translation>
    </message>
</context>
<context>
    <name>Gases in a sentence</name>
    <message>
        <source>air</source>
        <translation>air</translation>
    </message>
    <message>
        <source>nitrogen</source>
        <translation>azote</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>oxygène</translation>
    </message>
    <message>
        <source>argon</source>
        <translation>argon</translation>
    </message>
    <message>
        <source>helium</source>
        <translation>hélium</translation>
    </message>
    <message>
        <source>carbon dioxide</source>
        <translation>dioxyde de carbone</translation>
    </message>
    <message>
        <source>hydrogen</source>
        <translation>hydrogène</translation>
    </message>
    <message>
        <source>methane</source>
        <translation>méthane</translation>
    </message>
</context>
<context>
    <name>JobRecovery</name>
    <message>
        <source>a new job, never saved</source>
        <translation>un nouveau projet, jamais enregistré</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 poste</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 postes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2), %3, as it was at %4.</source>
        <translation>« %1 » (%2), %3, tel qu’il était le %4.</translation>
    </message>
    <message>
        <source>The program ended without closing while a job had unsaved changes:</source>
        <translation>Le programme s’est arrêté sans se fermer alors qu’un projet avait des modifications non enregistrées :</translation>
    </message>
    <message>
        <source>Restore it?</source>
        <translation>Le restaurer ?</translation>
    </message>
    <message>
        <source>A job kept against a crash cannot be read; it is kept as</source>
        <translation>Un projet conservé en cas de plantage ne peut pas être lu ; il est gardé sous</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>Impossible d’écrire le fichier : %1.</translation>
    </message>
    <message>
        <source>The previous file cannot be kept as %1: %2.</source>
        <translation>Impossible de conserver le fichier précédent sous %1 : %2.</translation>
    </message>
    <message>
        <source>The file cannot be replaced: %1.</source>
        <translation>Impossible de remplacer le fichier : %1.</translation>
    </message>
    <message>
        <source>The file is %1 MiB; a job file is at most %2 MiB.</source>
        <translation>Le fichier fait %1 Mio ; un fichier de projet fait au plus %2 Mio.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Impossible d’ouvrir le fichier : %1.</translation>
    </message>
    <message>
        <source>The file is a folder, not a job file.</source>
        <translation>C’est un dossier, pas un fichier de projet.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The file has changed on disk since it was opened.</source>
        <translation>Le fichier a été modifié sur le disque depuis son ouverture.</translation>
    </message>
    <message>
        <source>A file of that name exists already.</source>
        <translation>Un fichier de ce nom existe déjà.</translation>
    </message>
    <message>
        <source>A text of the job is not UTF-8, so it cannot be saved.</source>
        <translation>Un texte du projet n’est pas en UTF-8 : il ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>The job is too large for a job file (at most 16 MiB).</source>
        <translation>Le projet est trop grand pour un fichier de projet (16 Mio au plus).</translation>
    </message>
    <message>
        <source>The job</source>
        <translation>Le projet</translation>
    </message>
    <message>
        <source>must be &quot;flow&quot; or &quot;fill&quot;</source>
        <translation>doit valoir &quot;flow&quot; ou &quot;fill&quot;</translation>
    </message>
    <message>
        <source>must be &quot;imperial&quot; or &quot;metric&quot;</source>
        <translation>doit valoir &quot;imperial&quot; ou &quot;metric&quot;</translation>
    </message>
    <message>
        <source>must be a number or true or false</source>
        <translation>doit être un nombre, true ou false</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Poste %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: model %2 is not one of the models 1 to %3.</source>
        <translation>%1 : le modèle %2 n’est pas l’un des modèles 1 à %3.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: it has no &quot;format&quot;: &quot;zorvik-job&quot;.</source>
        <translation>Ce n’est pas un fichier de projet Zorvik : il n’a pas de &quot;format&quot;: &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>The file is not a Zorvik job file: its &quot;format&quot; is %1, not &quot;zorvik-job&quot;.</source>
        <translation>Ce n’est pas un fichier de projet Zorvik : son &quot;format&quot; est %1, et non &quot;zorvik-job&quot;.</translation>
    </message>
    <message>
        <source>must be a whole number, 1 or more</source>
        <translation>doit être un nombre entier, 1 ou plus</translation>
    </message>
    <message>
        <source>The file was written by a newer version of the program%1: it is job file version %2, and this version reads version %3.</source>
        <translation>Le fichier a été écrit par une version plus récente du programme%1 : c’est la version %2 du format, cette version lit la version %3.</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Le fichier</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>doit être une liste</translation>
    </message>
    <message>
        <source>The file nests its values too deeply to be a job file.</source>
        <translation>Le fichier imbrique ses valeurs trop profondément pour un fichier de projet.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is cut short: it ends at %1 before its JSON is complete.</source>
        <translation>Le fichier est tronqué : il s’arrête %1 avant la fin de son JSON.</translation>
    </message>
    <message>
        <source>The file is not JSON: %1: %2.</source>
        <translation>Le fichier n’est pas du JSON : %1 : %2.</translation>
    </message>
    <message>
        <source>The file holds a number too large for the program: %1.</source>
        <translation>Le fichier contient un nombre trop grand pour le programme : %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: the byte at %1 is no UTF-8 character.</source>
        <translation>Le fichier n’est pas du texte UTF-8 : l’octet %1 n’est pas un caractère UTF-8.</translation>
    </message>
    <message>
        <source>%1 must be a JSON object.</source>
        <translation>%1 doit être un objet JSON.</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>doit être un texte</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit valoir true ou false</translation>
    </message>
    <message>
        <source>must be a number, 0 or more</source>
        <translation>doit être un nombre, 0 ou plus</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a key this version of the program knows.</source>
        <translation>%1 : %2 est une clé que cette version du programme ne connaît pas.</translation>
    </message>
    <message>
        <source>%1: %2 %3.</source>
        <translation>%1 : %2 %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>The file is read-only for you.</source>
        <translation>Le fichier est en lecture seule pour vous.</translation>
    </message>
    <message>
        <source>It is not a regular file, so nothing is written there.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire ; rien n&apos;y est écrit.</translation>
    </message>
    <message>
        <source>The file is being saved by another program; try again.</source>
        <translation>Le fichier est en cours d&apos;enregistrement par un autre programme ; réessayez.</translation>
    </message>
    <message>
        <source>The file is read-only for you; save the job under another name.</source>
        <translation>Le fichier est en lecture seule pour vous ; enregistrez le projet sous un autre nom.</translation>
    </message>
    <message>
        <source>must be %1 at the most</source>
        <translation>doit valoir %1 au plus</translation>
    </message>
    <message>
        <source>The file names the key %1 twice in one object.</source>
        <translation>Le fichier nomme la clé %1 deux fois dans un même objet.</translation>
    </message>
    <message>
        <source>The workbook cannot be made in %1.</source>
        <translation>Le classeur ne peut pas être créé dans %1.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 is not installed.</source>
        <translation>Les classeurs ne peuvent pas être écrits : la bibliothèque %1 n&apos;est pas installée.</translation>
    </message>
    <message>
        <source>Workbooks cannot be written: the library %1 has no %2.</source>
        <translation>Les classeurs ne peuvent pas être écrits : la bibliothèque %1 n&apos;a pas %2.</translation>
    </message>
</context>
<context>
    <name>ModelSelectionChartPrint</name>
    <message>
        <source>Model
Number</source>
        <translation>Numéro
modèle</translation>
    </message>
    <message>
        <source>
Ratio</source>
        <translation>
Rapport</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Supply</source>
        <translation>Entrée
gaz
max.
admise</translation>
    </message>
    <message>
        <source>Max.
Rated
Gas
Outlet</source>
        <translation>Sortie
gaz
max.
admise</translation>
    </message>
    <message>
        <source>Static Outlet
Pressure
Formula</source>
        <translation>Formule de
pression
statique</translation>
    </message>
    <message>
        <source>Piston
Displ.
Per
Cycle</source>
        <translation>Cylin-
drée
par
cycle</translation>
    </message>
    <message>
        <source>Max.
Air
Drive</source>
        <translation>Air
moteur
max.</translation>
    </message>
    <message>
        <source>Drive
Size</source>
        <translation>Taille
moteur</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificateurs Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Model Selection Chart</source>
        <translation>Amplificateurs  Tableau des modèles</translation>
    </message>
    <message>
        <source>Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure</source>
        <translation>Pa = Pression motrice       Ps = Pression d’entrée du gaz</translation>
    </message>
</context>
<context>
    <name>OptionRows</name>
    <message>
        <source>       -C	Air Controls	1</source>
        <translation>       -C	Commandes d’air	1</translation>
    </message>
    <message>
        <source>61301	Receiver &amp; Controls	6</source>
        <translation>61301	Réservoir &amp; commandes	6</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	10</source>
        <translation>       -C	Commandes d’air (F-R, manomètre &amp; vanne)	10</translation>
    </message>
    <message>
        <source>61310	External Pilot Modification	11</source>
        <translation>61310	Modification pilotage externe	11</translation>
    </message>
    <message>
        <source>61302	No Load Run Away &amp; Regulator	12</source>
        <translation>61302	Anti-emballement &amp; régulateur	12</translation>
    </message>
    <message>
        <source>61311	Extreme Service Cycling Mod	13</source>
        <translation>61311	Commutation service sévère	13</translation>
    </message>
    <message>
        <source>61303	Receiver &amp; Controls	14</source>
        <translation>61303	Réservoir &amp; commandes	14</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	20</source>
        <translation>       -C	Commandes d’air (F-R, manomètre &amp; vanne)	20</translation>
    </message>
    <message>
        <source>61312	External Pilot Modification	21</source>
        <translation>61312	Modification pilotage externe	21</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	22</source>
        <translation>  -QP1	Pilotage externe &amp; contacteur pneumatique	22</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	23</source>
        <translation>61313	Compteur de coups électrique	23</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	24</source>
        <translation>61314	Compteur de coups mécanique	24</translation>
    </message>
    <message>
        <source>61315	Three Way Cycling Spool	25</source>
        <translation>61315	Tiroir de commutation 3 voies	25</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	26</source>
        <translation>61316	Modification coup par coup	26</translation>
    </message>
    <message>
        <source>61317	Extreme Service Cycling Mod	27</source>
        <translation>61317	Commutation service sévère	27</translation>
    </message>
    <message>
        <source>61318	Receiver &amp; Controls	30</source>
        <translation>61318	Réservoir &amp; commandes	30</translation>
    </message>
    <message>
        <source>61304	125 psig Downstream Regulator	31</source>
        <translation>61304	Régulateur aval 125 psig	31</translation>
    </message>
    <message>
        <source>61304-1	200 psig Downstream Regulator	32</source>
        <translation>61304-1	Régulateur aval 200 psig	32</translation>
    </message>
    <message>
        <source>61305	Regulator, Air Pilot Switch, &amp; Relief Valve	35</source>
        <translation>61305	Régulateur, contacteur pneumatique &amp; soupape	35</translation>
    </message>
    <message>
        <source>       -C	Air (F-R, Gauge &amp; Valve) Controls	40</source>
        <translation>       -C	Commandes d’air (F-R, manomètre &amp; vanne)	40</translation>
    </message>
    <message>
        <source>61319	External Pilot Modification	41</source>
        <translation>61319	Modification pilotage externe	41</translation>
    </message>
    <message>
        <source>  -QP1	External Pilot Modification &amp; Air Pilot Switch	42</source>
        <translation>  -QP1	Pilotage externe &amp; contacteur pneumatique	42</translation>
    </message>
    <message>
        <source>61313	Electric Stroke Counter	43</source>
        <translation>61313	Compteur de coups électrique	43</translation>
    </message>
    <message>
        <source>61314	Mechanical Stroke Counter	44</source>
        <translation>61314	Compteur de coups mécanique	44</translation>
    </message>
    <message>
        <source>61316	Single Stroke Modification	45</source>
        <translation>61316	Modification coup par coup	45</translation>
    </message>
    <message>
        <source>61320	Extreme Service Cycling Mod	46</source>
        <translation>61320	Commutation service sévère	46</translation>
    </message>
    <message>
        <source>61307	No Load Run Away Mod	47</source>
        <translation>61307	Anti-emballement à vide	47</translation>
    </message>
    <message>
        <source>61308	No Load Run Away Mod with Air Controls	48</source>
        <translation>61308	Anti-emballement avec commandes d’air	48</translation>
    </message>
    <message>
        <source>61309	Receiver &amp; Controls	49</source>
        <translation>61309	Réservoir &amp; commandes	49</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>%1 not listed: %2</source>
        <translation>%1 non retenu : %2</translation>
    </message>
    <message>
        <source>Amplifier comparison - continuous process</source>
        <translation>Comparaison des amplificateurs - procédé continu</translation>
    </message>
    <message>
        <source>Amplifier comparison - vessel charging</source>
        <translation>Comparaison des amplificateurs - remplissage de réservoir</translation>
    </message>
    <message>
        <source>Data sheet</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>Please contact %1 if you require assistance.</source>
        <translation>Pour toute assistance, contactez %1.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>PerformanceChart</name>
    <message>
        <source>Duty: %1 % speed, %2 air</source>
        <translation>Service : %1 % vitesse, %2 d’air</translation>
    </message>
    <message>
        <source>Air drive pressure  %1</source>
        <translation>Pression motrice  %1</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!<byte value="xd"/>Reset to maximum air drive pressure</source>
        <translation>La pression motrice est trop élevée !<byte value="xd"/>Ramenée à la pression motrice maximale</translation>
    </message>
    <message>
        <source>Outlet pressure   %1</source>
        <translation>Pression de sortie   %1</translation>
    </message>
    <message>
        <source>Outlet Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Performance prediction and curves are for guidance only.</source>
        <translation>Prévisions et courbes données à titre indicatif.</translation>
    </message>
    <message>
        <source>Should certified performance be required please contact factory.</source>
        <translation>Pour des performances certifiées, consultez l’usine.</translation>
    </message>
    <message>
        <source>= Inlet gas supply  %1</source>
        <translation>= Entrée de gaz  %1</translation>
    </message>
    <message>
        <source>Total input air volume required = outlet flow + QA</source>
        <translation>Air total nécessaire = débit de sortie + QA</translation>
    </message>
    <message>
        <source>= Air consumption  %1</source>
        <translation>= Air consommé  %1</translation>
    </message>
    <message>
        <source>Do not use in</source>
        <translation>Ne pas utiliser</translation>
    </message>
    <message>
        <source>shaded area.</source>
        <translation>en zone grisée.</translation>
    </message>
</context>
<context>
    <name>PictureDescriptions</name>
    <message>
        <source> Curves for an inlet gas pressure of %1 down to %2 %3.</source>
        <translation> Courbes pour une pression d’entrée du gaz de %1 jusqu’à %2 %3.</translation>
    </message>
    <message>
        <source> The duty: %1 %2 at %3 at full speed.</source>
        <translation> Le point de service : %1 %2 à %3 à pleine vitesse.</translation>
    </message>
    <message>
        <source> Charging a vessel from %1 to %2.</source>
        <translation> Remplissage d’un réservoir de %1 à %2.</translation>
    </message>
    <message>
        <source>Performance chart</source>
        <translation>Diagramme de performance</translation>
    </message>
    <message>
        <source>Outlet flow in %1 against outlet pressure in %2 of model %3, %4.</source>
        <translation>Débit de sortie en %1 selon la pression de sortie en %2 du modèle %3, %4.</translation>
    </message>
    <message>
        <source> Enter or Ctrl+T gives its figures as a table.</source>
        <translation> Entrée ou Ctrl+T affiche ses valeurs sous forme de tableau.</translation>
    </message>
    <message>
        <source>Dimension drawing</source>
        <translation>Plan d’encombrement</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Outline of model %1 with its dimensions in %2.</source>
        <translation>Contour du modèle %1 avec ses dimensions en %2.</translation>
    </message>
    <message>
        <source>Drawing of the option %1 for model %2.</source>
        <translation>Dessin de l’option %1 pour le modèle %2.</translation>
    </message>
    <message>
        <source>Outline of the option %1 for model %2 with its dimensions in %3.</source>
        <translation>Contour de l’option %1 pour le modèle %2 avec ses dimensions en %3.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1 could not be printed: the printer could not be started.</source>
        <translation>Impossible d’imprimer %1 : l’imprimante n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>%1 could not be printed: the job could not be handed to the printer.</source>
        <translation>Impossible d’imprimer %1 : le travail n’a pas pu être transmis à l’imprimante.</translation>
    </message>
</context>
<context>
    <name>ProductPages</name>
    <message>
        <source>      CRB19   Air Pressure Amplifier Range                               </source>
        <translation>      CRB19   Gamme d’amplificateurs                    </translation>
    </message>
    <message>
        <source>XSingle Acting   Single Stage</source>
        <translation>XSimple effet   un étage</translation>
    </message>
    <message>
        <source>XEconomical means of boosting pressure, where</source>
        <translation>XMoyen économique d’élever la pression</translation>
    </message>
    <message>
        <source>volume is small.</source>
        <translation>pour de petits volumes.</translation>
    </message>
    <message>
        <source>XCompact size</source>
        <translation>XFaible encombrement</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is</source>
        <translation>XPression de sortie maximale =</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure.</source>
        <translation>    rapport de surfaces x pression motrice.</translation>
    </message>
    <message>
        <source>XControl of maximum pressure by means of</source>
        <translation>XPression maximale réglée par de</translation>
    </message>
    <message>
        <source>inexpensive air drive pressure regulators.</source>
        <translation>simples régulateurs de l’air moteur.</translation>
    </message>
    <message>
        <source>XHigh output flow Air Pressure Amplifier</source>
        <translation>XAmplificateur à grand débit</translation>
    </message>
    <message>
        <source>XPressure outputs up to 20 bar (300 psi)</source>
        <translation>XPressions de sortie jusqu’à 20 bar</translation>
    </message>
    <message>
        <source>XMaximum outlet pressure is area ratio x</source>
        <translation>XPression max. = rapport de surfaces x</translation>
    </message>
    <message>
        <source>    drive pressure PLUS supply pressure.</source>
        <translation>    pression motrice PLUS pression d’entrée.</translation>
    </message>
    <message>
        <source>XRequires less air drive since the inlet air</source>
        <translation>XMoins d’air moteur, car la pression</translation>
    </message>
    <message>
        <source>pressure itself provides a substantial portion</source>
        <translation>d’entrée fournit elle-même une part</translation>
    </message>
    <message>
        <source>of the driving force.</source>
        <translation>importante de la force motrice.</translation>
    </message>
    <message>
        <source>      RB   Air Pressure Amplifier Range                                 </source>
        <translation>      RB   Gamme d’amplificateurs                      </translation>
    </message>
    <message>
        <source>XPressure outputs up to 310 bar (4500 psi)</source>
        <translation>XPressions de sortie jusqu’à 310 bar</translation>
    </message>
    <message>
        <source>      RBW  Air Pressure Amplifier Range                                </source>
        <translation>      RBW  Gamme d’amplificateurs                     </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage   3 Sizes</source>
        <translation>XDouble effet   un étage   3 tailles</translation>
    </message>
    <message>
        <source>XEfficient means of increasing air pressure</source>
        <translation>XMoyen efficace d’élever la pression</translation>
    </message>
    <message>
        <source>XPumps twice volume per cycle of RB Range.</source>
        <translation>XDébit par cycle double de la gamme RB.</translation>
    </message>
    <message>
        <source>      RBZ   Air Pressure Amplifier Range                               </source>
        <translation>      RBZ   Gamme d’amplificateurs                    </translation>
    </message>
    <message>
        <source>XTwo Stage Air Amplifier</source>
        <translation>XAmplificateur à deux étages</translation>
    </message>
    <message>
        <source>XEfficient means of providing air at</source>
        <translation>XMoyen efficace de fournir de l’air</translation>
    </message>
    <message>
        <source>higher outlet pressures.</source>
        <translation>à des pressions plus élevées.</translation>
    </message>
    <message>
        <source>Xcompression ratio per stage is low.</source>
        <translation>XTaux de compression faible par étage.</translation>
    </message>
    <message>
        <source>    area ratio x drive pressure PLUS</source>
        <translation>    rapport de surfaces x pression motrice PLUS</translation>
    </message>
    <message>
        <source>    air inlet pressure x area ratio of the</source>
        <translation>    pression d’entrée x rapport de surfaces</translation>
    </message>
    <message>
        <source>    two pistons.</source>
        <translation>    des deux pistons.</translation>
    </message>
    <message>
        <source>      8RBW  Air Pressure Amplifier                                    </source>
        <translation>      8RBW  Amplificateur de pression                                  </translation>
    </message>
    <message>
        <source>XDouble Acting   Single Stage</source>
        <translation>XDouble effet   un étage</translation>
    </message>
    <message>
        <source>X203 mm (8&quot;) drive</source>
        <translation>XMoteur de 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>XZorvik can provide high pressure gauges</source>
        <translation>XZorvik fournit des manomètres haute</translation>
    </message>
    <message>
        <source>to suit your application.</source>
        <translation>pression adaptés à votre application.</translation>
    </message>
</context>
<context>
    <name>ProductShow</name>
    <message>
        <source>CRB19 Air Pressure Amplifiers</source>
        <translation>Amplificateurs de pression CRB19</translation>
    </message>
    <message>
        <source>Single acting, single stage, compact</source>
        <translation>Simple effet, un étage, compact</translation>
    </message>
    <message>
        <source>RB Air Pressure Amplifiers</source>
        <translation>Amplificateurs de pression RB</translation>
    </message>
    <message>
        <source>Single acting, single stage</source>
        <translation>Simple effet, un étage</translation>
    </message>
    <message>
        <source>RBW Air Pressure Amplifiers</source>
        <translation>Amplificateurs de pression RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage</source>
        <translation>Double effet, un étage</translation>
    </message>
    <message>
        <source>4RBW Air Pressure Amplifier</source>
        <translation>Amplificateur de pression 4RBW</translation>
    </message>
    <message>
        <source>Double acting, single stage, high flow</source>
        <translation>Double effet, un étage, grand débit</translation>
    </message>
    <message>
        <source>RBZ Two-Stage Air Pressure Amplifiers</source>
        <translation>Amplificateurs de pression à deux étages RBZ</translation>
    </message>
    <message>
        <source>Two stages for the highest pressures</source>
        <translation>Deux étages pour les plus hautes pressions</translation>
    </message>
    <message>
        <source>8RBW Air Pressure Amplifier</source>
        <translation>Amplificateur de pression 8RBW</translation>
    </message>
    <message>
        <source>Double acting, 203 mm (8&quot;) air drive</source>
        <translation>Double effet, moteur pneumatique de 203 mm (8&quot;)</translation>
    </message>
    <message>
        <source>Outlet pressure up to %1 psi (%2 bar)</source>
        <translation>Pression de sortie jusqu’à %1 psi (%2 bar)</translation>
    </message>
    <message>
        <source>High Pressure Gauges</source>
        <translation>Manomètres haute pression</translation>
    </message>
    <message>
        <source>Matched to every amplifier in the range</source>
        <translation>Adaptés à chaque amplificateur de la gamme</translation>
    </message>
    <message>
        <source>Glycerine-filled, stainless steel cases</source>
        <translation>Remplis de glycérine, boîtiers en inox</translation>
    </message>
    <message>
        <source>Dual scales in psi and bar</source>
        <translation>Double échelle en psi et en bar</translation>
    </message>
    <message>
        <source>Air Pressure Amplifiers   -   move the mouse or press a key to return</source>
        <translation>Amplificateurs de pression   -   bougez la souris ou appuyez sur une touche pour revenir</translation>
    </message>
</context>
<context>
    <name>QtNotices</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>%1 normal litres</source>
        <translation>%1 litres normaux</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel is already at the final pressure of %1</source>
        <translation>Rien à remplir : le réservoir est déjà à la pression finale de %1</translation>
    </message>
    <message>
        <source>Nothing to charge: the vessel starts at %1, above the final pressure of %2</source>
        <translation>Rien à remplir : le réservoir part de %1, au-dessus de la pression finale de %2</translation>
    </message>
    <message>
        <source>at the final pressure of %1</source>
        <translation>à la pression finale de %1</translation>
    </message>
    <message>
        <source>at the outlet pressure of %1</source>
        <translation>à la pression de sortie de %1</translation>
    </message>
    <message>
        <source>at %1, below the final pressure of %2</source>
        <translation>à %1, sous la pression finale de %2</translation>
    </message>
    <message>
        <source>at %1, below the outlet pressure of %2</source>
        <translation>à %1, sous la pression de sortie de %2</translation>
    </message>
    <message>
        <source>Delivers no flow: its interstage stalls, because an inlet of %1 needs more drive pressure than the %2 available (at least %3); it stalls %4</source>
        <translation>Aucun débit : l’étage intermédiaire cale, car une entrée de %1 demande plus de pression motrice que les %2 disponibles (au moins %3) ; il cale %4</translation>
    </message>
    <message>
        <source>Delivers no flow: it stalls %1</source>
        <translation>Aucun débit : il cale %1</translation>
    </message>
    <message>
        <source>Delivers no flow: a compression ratio of %1 is more than its stroke can compress</source>
        <translation>Aucun débit : un taux de compression de %1 dépasse ce que sa course peut comprimer</translation>
    </message>
    <message>
        <source>%1; %2 is required</source>
        <translation>%1 ; %2 sont demandés</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3</source>
        <translation>%1 se liquéfie à la pression finale de %2 à %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3</source>
        <translation>%1 se liquéfie à la pression de sortie de %2 à %3</translation>
    </message>
    <message>
        <source>%1 liquefies at the final pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 se liquéfie à la pression finale de %2 à %3, dès sa pression de vapeur de %4 à cette température</translation>
    </message>
    <message>
        <source>%1 liquefies at the outlet pressure of %2 at %3, at and above its vapour pressure of %4 there</source>
        <translation>%1 se liquéfie à la pression de sortie de %2 à %3, dès sa pression de vapeur de %4 à cette température</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is below this model&apos;s minimum of %2</source>
        <translation>La pression d’entrée de %1 est inférieure au minimum de ce modèle, %2</translation>
    </message>
    <message>
        <source>Inlet pressure %1 is above this model&apos;s maximum of %2 at this drive pressure</source>
        <translation>La pression d’entrée de %1 dépasse le maximum de ce modèle, %2 à cette pression motrice</translation>
    </message>
    <message>
        <source>Final pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La pression finale de %1 dépasse le maximum de ce modèle, %2</translation>
    </message>
    <message>
        <source>Outlet pressure %1 is above this model&apos;s maximum of %2</source>
        <translation>La pression de sortie de %1 dépasse le maximum de ce modèle, %2</translation>
    </message>
    <message>
        <source>Compression ratio %1 is above this model&apos;s maximum of %2</source>
        <translation>Le taux de compression de %1 dépasse le maximum de ce modèle, %2</translation>
    </message>
    <message>
        <source>Boosts its own drive air: the inlet pressure must equal the drive pressure of %1</source>
        <translation>Comprime son propre air moteur : la pression d’entrée doit être égale à la pression motrice de %1</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required on the drive air available</source>
        <translation>Fournit %1, moins que les %2 demandés avec l’air moteur disponible</translation>
    </message>
    <message>
        <source>Delivers %1, less than the %2 required</source>
        <translation>Fournit %1, moins que les %2 demandés</translation>
    </message>
    <message>
        <source>Delivers %1 at the final pressure of %2, less than the %3 a charge needs</source>
        <translation>Fournit %1 à la pression finale de %2, moins que les %3 qu’exige un remplissage</translation>
    </message>
    <message>
        <source>Would run at %1 cycles/min at the initial pressure, above the %2 allowed</source>
        <translation>Tournerait à %1 cycles/min à la pression initiale, au-delà des %2 admis</translation>
    </message>
    <message>
        <source>Fill takes longer than %1 minutes for one tenth of the charge</source>
        <translation>Le remplissage dure plus de %1 minutes pour un dixième de la charge</translation>
    </message>
    <message>
        <source>Each tenth of the charge is %1, no more than the %2 the sizing can step</source>
        <translation>Chaque dixième de la charge vaut %1, pas plus que les %2 que le calcul peut traiter</translation>
    </message>
    <message>
        <source>The real-gas count of the vessel fails: %1</source>
        <translation>Le calcul en gaz réel du réservoir échoue : %1</translation>
    </message>
    <message>
        <source>Fill takes %1 minutes, no longer than the %2 minutes the sizing can time</source>
        <translation>Le remplissage dure %1 minutes, pas plus que les %2 minutes que le calcul peut mesurer</translation>
    </message>
    <message>
        <source>under 0.1 %</source>
        <translation>moins de 0,1 %</translation>
    </message>
    <message>
        <source>%1 (a near miss)</source>
        <translation>%1 (de peu)</translation>
    </message>
    <message>
        <source>%1 on %2 of drive air</source>
        <translation>%1 avec %2 d’air moteur</translation>
    </message>
    <message>
        <source>%1 on %2 of the %3 available</source>
        <translation>%1 avec %2 des %3 disponibles</translation>
    </message>
    <message>
        <source>Meets the duty at %1 of maximum speed</source>
        <translation>Satisfait au service à %1 de la vitesse maximale</translation>
    </message>
    <message>
        <source>Meets the duty delivering %1 at %2 of maximum speed</source>
        <translation>Satisfait au service en fournissant %1 à %2 de la vitesse maximale</translation>
    </message>
    <message>
        <source>%1 (above the %2 advised for continuous duty)</source>
        <translation>%1 (au-delà des %2 conseillés en service continu)</translation>
    </message>
    <message>
        <source>Delivers %1 flat out, %2 short of the %3 required</source>
        <translation>Fournit %1 à plein régime, %2 de moins que les %3 demandés</translation>
    </message>
    <message>
        <source>%1; it would take more than %2 units in parallel</source>
        <translation>%1 ; il faudrait plus de %2 appareils en parallèle</translation>
    </message>
    <message>
        <source>%1; %2 units in parallel, each at %3 of maximum speed, use %4 of drive air together</source>
        <translation>%1 ; %2 appareils en parallèle, chacun à %3 de la vitesse maximale, consomment ensemble %4 d’air moteur</translation>
    </message>
    <message>
        <source>%1, within the %2 available</source>
        <translation>%1, dans les %2 disponibles</translation>
    </message>
    <message>
        <source>%1, more than the %2 available</source>
        <translation>%1, plus que les %2 disponibles</translation>
    </message>
    <message>
        <source>Needs %1 of drive air at %2 of maximum speed; the %3 available is %4 short</source>
        <translation>Demande %1 d’air moteur à %2 de la vitesse maximale ; il manque %4 aux %3 disponibles</translation>
    </message>
    <message>
        <source>%1; the list&apos;s method, which runs the amplifier flat out on the air available, leaves it out</source>
        <translation>%1 ; la liste, qui fait tourner l’amplificateur à plein régime avec l’air disponible, ne le retient pas</translation>
    </message>
    <message>
        <source>%1; the list leaves it out as it asks for more than exactly the flow required</source>
        <translation>%1 ; la liste ne le retient pas car elle exige plus que le débit demandé exactement</translation>
    </message>
    <message>
        <source>Its discharge can reach %1, above the %2 limit</source>
        <translation>Le refoulement peut atteindre %1, au-dessus de la limite de %2</translation>
    </message>
</context>
<context>
    <name>SaturationChart</name>
    <message>
        <source>Saturation lines</source>
        <translation>Lignes de saturation</translation>
    </message>
    <message>
        <source>pressure dewpoint of the air at %1 %2</source>
        <translation>point de rosée sous pression de l’air à %1 %2</translation>
    </message>
    <message>
        <source>Air temperature, %1</source>
        <translation>Température de l’air, %1</translation>
    </message>
    <message>
        <source>Water condenses left of a line</source>
        <translation>Eau condensée à gauche</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>Tag</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Fournit</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Air moteur</translation>
    </message>
    <message>
        <source>Cycles/min</source>
        <translation>Cycles/min</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Coût d’exploitation</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <translation>%1 par an</translation>
    </message>
    <message>
        <source>%1 a fill</source>
        <translation>%1 par remplissage</translation>
    </message>
    <message>
        <source>fill</source>
        <translation>remplissage</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>débit</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>illimité</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, outlet %4, flow %5</source>
        <translation>air moteur %1, air %2, entrée %3, sortie %4, débit %5</translation>
    </message>
    <message>
        <source>any</source>
        <translation>quelconque</translation>
    </message>
    <message>
        <source>drive %1, air %2, inlet %3, %4 to %5, %6</source>
        <translation>air moteur %1, air %2, entrée %3, %4 à %5, %6</translation>
    </message>
    <message>
        <source>equalised to the inlet pressure first</source>
        <translation>d’abord égalisée à la pression d’entrée</translation>
    </message>
    <message>
        <source>no model chosen</source>
        <translation>aucun modèle choisi</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Pression motrice</translation>
    </message>
    <message>
        <source>Drive air available</source>
        <translation>Air moteur disponible</translation>
    </message>
    <message>
        <source>unlimited (the air available is ignored)</source>
        <translation>illimité (l’air disponible est ignoré)</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Pression d’entrée du gaz</translation>
    </message>
    <message>
        <source>%1, the air drive pressure</source>
        <translation>%1, la pression motrice</translation>
    </message>
    <message>
        <source>Outlet pressure</source>
        <translation>Pression de sortie</translation>
    </message>
    <message>
        <source>Required flow</source>
        <translation>Débit demandé</translation>
    </message>
    <message>
        <source>any (the flow rate is ignored)</source>
        <translation>quelconque (le débit est ignoré)</translation>
    </message>
    <message>
        <source>Initial vessel pressure</source>
        <translation>Pression initiale du réservoir</translation>
    </message>
    <message>
        <source>Final vessel pressure</source>
        <translation>Pression finale du réservoir</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Capacité du réservoir</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gaz à comprimer</translation>
    </message>
    <message>
        <source>Discharge temperature limit</source>
        <translation>Limite de température de refoulement</translation>
    </message>
    <message>
        <source>Vessel contents</source>
        <translation>Contenu du réservoir</translation>
    </message>
    <message>
        <source>counted with the real-gas model</source>
        <translation>compté avec le modèle de gaz réel</translation>
    </message>
    <message>
        <source>counted as an ideal gas</source>
        <translation>compté comme gaz parfait</translation>
    </message>
    <message>
        <source>Gas taken from the drive air supply</source>
        <translation>Gaz pris sur l&apos;alimentation en air moteur</translation>
    </message>
    <message>
        <source>yes, its flow counts in the running cost</source>
        <translation>oui, son débit compte dans le coût d&apos;exploitation</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>SelectionLayouts</name>
    <message>
        <source>Fill Time Minutes</source>
        <translation>Remplissage min</translation>
    </message>
    <message>
        <source>Average Air used n.m3</source>
        <translation>Air moteur moyen n.m3</translation>
    </message>
    <message>
        <source>Total Air n.m3</source>
        <translation>Air total n.m3</translation>
    </message>
    <message>
        <source>Average Cycles / Min</source>
        <translation>Cycles moyens / min</translation>
    </message>
    <message>
        <source>Average Air Used Scfm</source>
        <translation>Air moteur moyen Scfm</translation>
    </message>
    <message>
        <source>Total Air S.Cu.Ft</source>
        <translation>Air total S.Cu.Ft</translation>
    </message>
    <message>
        <source>Flow rate nl/min</source>
        <translation>Débit nl/min</translation>
    </message>
    <message>
        <source>Air used n.m3</source>
        <translation>Air moteur n.m3</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cycles / min</translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Débit Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Air moteur Scfm</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinders</source>
        <translation>Source à pression constante remplissant réservoirs ou bouteilles</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Source à pression constante alimentant un procédé continu</translation>
    </message>
    <message>
        <source>Gas °C</source>
        <translation>Gaz °C</translation>
    </message>
    <message>
        <source>Gas °F</source>
        <translation>Gaz °F</translation>
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
        <translation>&amp;Unités impériales</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units</source>
        <translation>&amp;Unités métriques</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Air moteur psig</translation>
    </message>
    <message>
        <source>Air Drive barg</source>
        <translation>Air moteur barg</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Air moteur scfm</translation>
    </message>
    <message>
        <source>Air Drive Flow nl/min</source>
        <translation>Air moteur nl/min</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Entrée air/gaz psig</translation>
    </message>
    <message>
        <source>Air / Gas Inlet barg</source>
        <translation>Entrée air/gaz barg</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Débit scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Sortie psig</translation>
    </message>
    <message>
        <source>Outlet barg</source>
        <translation>Sortie barg</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Initiale psig</translation>
    </message>
    <message>
        <source>Initial barg</source>
        <translation>Initiale barg</translation>
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
        <translation>Volume litres</translation>
    </message>
    <message>
        <source>		Enter data for this type of application</source>
        <translation>		Saisissez les données de cette application</translation>
    </message>
    <message>
        <source>		and click list selections to</source>
        <translation>		puis cliquez sur Lister</translation>
    </message>
    <message>
        <source>		display possible options.</source>
        <translation>		pour voir les modèles possibles.</translation>
    </message>
</context>
<context>
    <name>SelectionReport</name>
    <message>
        <source>Model No.</source>
        <translation>Modèle n°</translation>
    </message>
    <message>
        <source>Flow rate </source>
        <translation>Débit </translation>
    </message>
    <message>
        <source>Air Used </source>
        <translation>Air moteur </translation>
    </message>
    <message>
        <source>Cycles / min</source>
        <translation>Cycles / min</translation>
    </message>
    <message>
        <source>Fill time</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Total Air Used</source>
        <translation>Air total</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continous process</source>
        <translation>Source à pression constante alimentant un procédé continu</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Source à pression constante remplissant un réservoir ou une bouteille</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>%1 (average)</source>
        <translation>%1 (moyen)</translation>
    </message>
    <message>
        <source>(average)</source>
        <translation>(moyen)</translation>
    </message>
    <message>
        <source>Initial outlet</source>
        <translation>Sortie initiale</translation>
    </message>
    <message>
        <source>Final outlet</source>
        <translation>Sortie finale</translation>
    </message>
    <message>
        <source>Vessel capacity</source>
        <translation>Volume réservoir</translation>
    </message>
    <message>
        <source>Air outlet</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Flow required: any (the window ignores it)</source>
        <translation>Débit demandé : quelconque (ignoré)</translation>
    </message>
    <message>
        <source>Flow required</source>
        <translation>Débit demandé</translation>
    </message>
    <message>
        <source>Air available: not limited</source>
        <translation>Air disponible : illimité</translation>
    </message>
    <message>
        <source>Air available</source>
        <translation>Air disponible</translation>
    </message>
    <message>
        <source>Zorvik air amplifiers</source>
        <translation>Amplificateurs Zorvik</translation>
    </message>
    <message>
        <source>Air Amplifier  Selection choices</source>
        <translation>Amplificateurs  Sélection</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Type d’application</translation>
    </message>
    <message>
        <source>Gas to be boosted</source>
        <translation>Gaz à comprimer</translation>
    </message>
    <message>
        <source>Inlet conditions</source>
        <translation>Conditions d’entrée</translation>
    </message>
    <message>
        <source>Outlet conditions</source>
        <translation>Conditions de sortie</translation>
    </message>
    <message>
        <source>Air Drive</source>
        <translation>Air moteur</translation>
    </message>
    <message>
        <source>Air Inlet</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Air used figures listed above indicate the drive air volume required</source>
        <translation>Les consommations ci-dessus sont l’air moteur nécessaire.</translation>
    </message>
    <message>
        <source>Add outlet air quantity to obtain total input required.</source>
        <translation>Ajoutez le débit de sortie pour obtenir l’air total requis.</translation>
    </message>
</context>
<context>
    <name>TAdjustAirDriveForm</name>
    <message>
        <source>Adjust operating conditions</source>
        <translation>Régler les conditions de service</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Pression motrice max.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to Air drive pressure  (Pa) with this model. Use a common connection for drive and input supply</source>
        <translation>Sur ce modèle, la pression d’entrée du gaz (Ps) doit égaler la pression motrice (Pa). Alimentez l’air moteur et l’entrée par un même raccord</translation>
    </message>
    <message>
        <source>Min gas inlet pressure</source>
        <translation>Pression entrée gaz min.</translation>
    </message>
    <message>
        <source>Max gas inlet pressure</source>
        <translation>Pression entrée gaz max.</translation>
    </message>
    <message>
        <source>New air drive pressure will be applied to all graphs displayed</source>
        <translation>La nouvelle pression motrice vaut pour toutes les courbes</translation>
    </message>
    <message>
        <source>Air drive pressure</source>
        <translation>Pression motrice</translation>
    </message>
    <message>
        <source>Gas inlet pressure will only apply to this model number.</source>
        <translation>La pression d’entrée ne vaut que pour ce modèle.</translation>
    </message>
    <message>
        <source>Gas inlet pressure</source>
        <translation>Pression d’entrée</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;New Graph</source>
        <translation>&amp;Nouvelle courbe</translation>
    </message>
</context>
<context>
    <name>TAmplifierSelectionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Selection</source>
        <translation>Amplificateurs de pression Zorvik  -  Sélection</translation>
    </message>
    <message>
        <source>Air Drive psig</source>
        <translation>Air moteur psig</translation>
    </message>
    <message>
        <source>Air Drive Flow scfm</source>
        <translation>Air moteur scfm</translation>
    </message>
    <message>
        <source>Air / Gas Inlet psig</source>
        <translation>Entrée air/gaz psig</translation>
    </message>
    <message>
        <source>Flow rate scfm</source>
        <translation>Débit scfm</translation>
    </message>
    <message>
        <source>Outlet psig</source>
        <translation>Sortie psig</translation>
    </message>
    <message>
        <source>Initial psig</source>
        <translation>Initiale psig</translation>
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
        <translation> &amp;Entrée égale</translation>
    </message>
    <message>
        <source>to air drive pressure</source>
        <translation>à la pression motrice</translation>
    </message>
    <message>
        <source>Constant pressure source feeding continuous process</source>
        <translation>Source à pression constante alimentant un procédé continu</translation>
    </message>
    <message>
        <source>Constant pressure source charging vessel or cylinder</source>
        <translation>Source à pression constante remplissant un réservoir ou une bouteille</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Fill Cylinder</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Change to Metric &amp;Units </source>
        <translation>&amp;Unités métriques </translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source> 1. Select application type from 
      above choices.
 2. Enter appropriate conditions.
 3. Choose selection options.
 4. Click list sections button.</source>
        <translation> 1. Choisissez le type d’application
      ci-dessus.
 2. Saisissez les conditions.
 3. Choisissez les options.
 4. Cliquez sur Lister.</translation>
    </message>
    <message>
        <source>Selection Options</source>
        <translation>Options de sélection</translation>
    </message>
    <message>
        <source> Ignore air available setting</source>
        <translation> Ignorer l’air disponible</translation>
    </message>
    <message>
        <source> Ignore flow rate setting</source>
        <translation> Ignorer le débit demandé</translation>
    </message>
    <message>
        <source>Ga&amp;s</source>
        <translation>Ga&amp;z</translation>
    </message>
    <message>
        <source>Gas °F</source>
        <translation>Gaz °F</translation>
    </message>
    <message>
        <source>Limit °F</source>
        <translation>Limite °F</translation>
    </message>
    <message>
        <source> Real-gas vessel contents</source>
        <translation> Réservoir en gaz réel</translation>
    </message>
    <message>
        <source>Model       Number   </source>
        <translation>Modèle       Numéro   </translation>
    </message>
    <message>
        <source>Flow rate Scfm</source>
        <translation>Débit Scfm</translation>
    </message>
    <message>
        <source>Air Used Scfm</source>
        <translation>Air moteur Scfm</translation>
    </message>
    <message>
        <source>Cycles / Min</source>
        <translation>Cycles / min</translation>
    </message>
    <message>
        <source>
     Please wait.     Searching for options....</source>
        <translation>
     Veuillez patienter.     Recherche des modèles....</translation>
    </message>
    <message>
        <source>Air used figures displayed above indicate the dive air volume required, add outlet air quantity to obtain total input required</source>
        <translation>Les consommations ci-dessus sont l’air moteur nécessaire ; ajoutez le débit de sortie pour obtenir l’air total requis</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Voir le &amp;plan</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Voir la &amp;courbe</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;List Selections</source>
        <translation>&amp;Lister</translation>
    </message>
    <message>
        <source>C&amp;ompare</source>
        <translation>C&amp;omparer</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Application type</source>
        <translation>Type d’application</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Selections</source>
        <translation>Modèles retenus</translation>
    </message>
    <message>
        <source>One row for each model that meets the duty: model, flow rate or fill time, air used, cycles per minute and total air</source>
        <translation>Une ligne pour chaque modèle qui satisfait au service : modèle, débit ou temps de remplissage, air consommé, cycles par minute et air total</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Recherche en cours</translation>
    </message>
</context>
<context>
    <name>TZampApplicationsForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Applications and Benefits</source>
        <translation>Amplificateurs de pression Zorvik  -  Applications et atouts</translation>
    </message>
    <message>
        <source>Typical Applications</source>
        <translation>Applications types</translation>
    </message>
    <message>
        <source>Why Use Zorvik Air Amplifiers?</source>
        <translation>Pourquoi un amplificateur Zorvik ?</translation>
    </message>
    <message>
        <source>An air amplifier is the simple alternative to a dedicated high-pressure compressor wherever compressed air is already piped.

It is compact and needs no electrical supply, motor or mechanical drive: it is powered by the air it boosts, so it can stand right at the point of use.

It works in any mounting position.

It needs no foundation and little maintenance.</source>
        <translation>Un amplificateur est l’alternative simple à un compresseur haute pression dédié partout où l’air comprimé est déjà distribué.

Compact, il n’exige ni électricité, ni moteur, ni transmission : l’air qu’il comprime l’entraîne, il se place donc au point d’utilisation.

Il fonctionne dans toutes les positions.

Sans fondation, il demande peu d’entretien.</translation>
    </message>
    <message>
        <source>Key Features</source>
        <translation>Points forts</translation>
    </message>
    <message>
        <source>Variable outlet pressure and flow
No heat, flame or spark risk
No air-line lubrication needed
Long seal life
Wide range of models, controls and options
Standard and custom-built systems</source>
        <translation>Pression et débit de sortie réglables
Aucun risque de chaleur, flamme ou étincelle
Aucune lubrification de l’air nécessaire
Joints de longue durée
Large choix de modèles, commandes et options
Systèmes standard et sur mesure</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Typical applications</source>
        <translation>Applications types</translation>
    </message>
    <message>
        <source>Six uses of an air amplifier: pressure testing, cylinders and actuators, gas charging, press clamping, air receiver charging and part ejection</source>
        <translation>Six utilisations d’un amplificateur : essais de pression, vérins et actionneurs, remplissage de gaz, bridage de presses, remplissage de réservoirs d’air et éjection de pièces</translation>
    </message>
    <message>
        <source>Single-stage air amplifier</source>
        <translation>Amplificateur à un étage</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificateur avec sa partie motrice pneumatique et sa partie pompe sur un même châssis</translation>
    </message>
</context>
<context>
    <name>TZampCalcCycleSpeedForm</name>
    <message>
        <source>Calculation of Cycle Speed</source>
        <translation>Calcul de la vitesse de cycle</translation>
    </message>
    <message>
        <source>The cycle speed of an amplifier is its outlet flow divided by the free-air volume it displaces in one cycle. That volume is worked out from the piston displacement per cycle (Db) of the model, given in the Model Selection Chart, and from the supply pressure (Ps) at which the pump section fills. The examples below work the volume out in metric and in imperial units.</source>
        <translation>La vitesse de cycle d’un amplificateur est son débit de sortie divisé par le volume d’air libre qu’il refoule par cycle. Ce volume se déduit de la cylindrée par cycle (Db) du modèle, donnée dans le tableau des modèles, et de la pression d’alimentation (Ps) qui remplit la partie pompe. Les exemples ci-dessous le calculent en unités métriques et impériales.</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in litres and Ps the supply pressure in bar gauge. Adding 1.0 to Ps and dividing by 1.0 converts the pressure to absolute atmospheres, so the result is in normal litres of free air per cycle; 0.85 is an approximate efficiency factor for the filling and clearance losses of the pump section.
Cycle speed (cycles/min) = outlet flow (normal litres/min) / normal litres per cycle.</source>
        <translation>où Db est la cylindrée par cycle en litres et Ps la pression d’alimentation en bar relatifs. Ajouter 1,0 à Ps et diviser par 1,0 donne la pression en atmosphères absolues, d’où un résultat en litres normaux d’air libre par cycle ; 0,85 est un rendement approché (remplissage et espace mort).
Vitesse de cycle (cycles/min) = débit de sortie (litres normaux/min) / litres normaux par cycle.</translation>
    </message>
    <message>
        <source>where Db is the displacement per cycle in cubic inches (dividing by 1728 gives cubic feet) and Ps the supply pressure in psig. Adding 14.7 to Ps and dividing by 14.7 converts it to absolute atmospheres, so the result is in standard cubic feet per cycle; 0.85 is the same approximate efficiency factor.
Cycle speed (cycles/min) = outlet flow (scfm) / scf per cycle.</source>
        <translation>où Db est la cylindrée par cycle en pouces cubes (divisée par 1728 en pieds cubes) et Ps la pression d’alimentation en psig. Ajouter 14,7 à Ps et diviser par 14,7 donne des atmosphères absolues, d’où un résultat en pieds cubes standard par cycle ; 0,85 est le même rendement approché.
Vitesse de cycle (cycles/min) = débit de sortie (scfm) / scf par cycle.</translation>
    </message>
    <message>
        <source>When the maximum outlet flow required is known, convert it into a cycle speed and compare it with the maximum cycle rate of the model. For continuous duty derate the speed to about 50 % of the maximum and convert that back into a flow: this is the flow to rate the model at. Where one amplifier cannot give the flow at the derated speed, use several units in parallel.

Example: a model with Db = 6.2 cubic inches, at Ps = 100 psig, delivers 6.2/1728 × 114.7/14.7 × 0.85 = 0.0238 scf per cycle. At 50 % of a maximum rate of 95 cycles/min it is rated at 47.5 × 0.0238 = 1.13 scfm, so a continuous demand of 1.5 scfm needs two units in parallel.</source>
        <translation>Quand le débit de sortie maximal requis est connu, convertissez-le en vitesse de cycle et comparez-la à la cadence maximale du modèle. En service continu, réduisez la vitesse à environ 50 % du maximum et reconvertissez-la en débit : c’est le débit nominal du modèle. Si un amplificateur ne suffit pas, montez-en plusieurs en parallèle.

Exemple : un modèle de Db = 6,2 pouces cubes, à Ps = 100 psig, fournit 6,2/1728 × 114,7/14,7 × 0,85 = 0,0238 scf par cycle. À 50 % d’une cadence maximale de 95 cycles/min, il fournit 47,5 × 0,0238 = 1,13 scfm ; une demande continue de 1,5 scfm exige donc deux appareils en parallèle.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>Normal litres per cycle</source>
        <translation>Litres normaux par cycle</translation>
    </message>
    <message>
        <source>Normal litres per cycle = Db x (Ps + 1.0) / 1.0 x 0.85</source>
        <translation>Litres normaux par cycle = Db x (Ps + 1.0) / 1.0 x 0.85</translation>
    </message>
    <message>
        <source>Example in normal litres</source>
        <translation>Exemple en litres normaux</translation>
    </message>
    <message>
        <source>Standard cubic feet per cycle</source>
        <translation>Pieds cubes standard par cycle</translation>
    </message>
    <message>
        <source>SCF per cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</source>
        <translation>SCF par cycle = Db / 1728 x (Ps + 14.7) / 14.7 x 0.85</translation>
    </message>
    <message>
        <source>Example in standard cubic feet</source>
        <translation>Exemple en pieds cubes standard</translation>
    </message>
    <message>
        <source>Rating a model for a flow</source>
        <translation>Évaluer un modèle pour un débit</translation>
    </message>
</context>
<context>
    <name>TZampGeneralDescriptionForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  General Description</source>
        <translation>Amplificateurs de pression Zorvik  -  Description générale</translation>
    </message>
    <message>
        <source>What is A Zorvik Air Pressure Amplifier</source>
        <translation>Qu’est-ce qu’un amplificateur de pression Zorvik ?</translation>
    </message>
    <message>
        <source>A Zorvik air pressure amplifier is an air-driven pump that raises the pressure of compressed air or gas. Part of the incoming air supply drives it; no electricity or other power is needed.

The pressure is generated by a differential-area piston: a large air drive piston, driven by air at line pressure, and a smaller pump piston on a common rod. The same force acts on both, so the pressure in the pump section is raised in the ratio of the two areas.

Cycling is automatic. At each end of the stroke the piston opens one of two pilot valves, which pressurises or vents the large end of an unbalanced cycling spool. Air on its small end acts as an air spring, so the spool snaps between its two positions and reverses the drive air; it cannot stop half way.</source>
        <translation>Un amplificateur de pression Zorvik est une pompe pneumatique qui élève la pression de l’air comprimé ou d’un gaz, mue par une partie de l’air d’alimentation, sans autre énergie.

La pression vient d’un piston différentiel : un grand piston moteur, mû par l’air du réseau, et un petit piston de pompe sur une tige commune. La même force agit sur les deux : la pression de la partie pompe croît dans le rapport des surfaces.

La commutation est automatique. En fin de course, le piston ouvre l’une de deux valves pilotes, qui met en pression ou à l’échappement le grand côté d’un tiroir déséquilibré. L’air sur le petit côté fait ressort : le tiroir bascule d’une position à l’autre et inverse l’air moteur ; il ne peut s’arrêter à mi-course.</translation>
    </message>
    <message>
        <source>The area ratio - air drive piston area to pump piston area - is the dash number of every model code: an RB-15 has an area ratio of 15. With the air drive pressure it sets the maximum outlet pressure. A single-acting RB-15 driven with air at 90 psig (6.2 barg) stalls at 15 × 90 = 1350 psig (93 barg); in double-acting models the supply pressure adds to this. The data sheet of each model gives its exact stall formula.

Seals and bearings are lubrication-free: no oil is needed in the drive air, and none is carried into the boosted gas.</source>
        <translation>Le rapport de surfaces - piston moteur sur piston de pompe - est le nombre après le tiret du code de modèle : un RB-15 a un rapport de 15. Avec la pression motrice, il fixe la pression de sortie maximale. Un RB-15 simple effet mû par de l’air à 90 psig (6,2 barg) cale à 15 × 90 = 1350 psig (93 barg) ; sur les modèles double effet, la pression d’alimentation s’y ajoute. La fiche de chaque modèle donne sa formule exacte.

Joints et paliers fonctionnent sans lubrification : l’air moteur n’a pas besoin d’huile, et aucune ne passe dans le gaz comprimé.</translation>
    </message>
    <message>
        <source>The amplifier is completely self-regulating. As the outlet pressure rises the piston slows, and at the maximum outlet pressure the forces on it balance and it stops: the amplifier stalls and holds the pressure without using any air or energy. When the outlet pressure falls, because gas is drawn off or leaks away, it starts cycling again automatically and restores it. No pressure switch or other control is needed.

Double-acting models pump on both strokes, delivering twice the volume per cycle of a single-acting model, and the supply pressure on their pump pistons helps to drive them. Two-stage models reach high pressures efficiently with a low compression ratio per stage. Power sizes range from 1/3 HP to 8 HP.</source>
        <translation>L’amplificateur est entièrement autorégulé. Quand la pression de sortie monte, le piston ralentit ; à la pression maximale, les forces s’équilibrent et il s’arrête : l’amplificateur cale et maintient la pression sans consommer d’air ni d’énergie. Quand la pression baisse, par soutirage ou fuite, il redémarre seul et la rétablit. Aucun pressostat ni autre commande n’est nécessaire.

Les modèles double effet pompent dans les deux sens, soit deux fois le volume par cycle d’un simple effet, et la pression d’alimentation sur leurs pistons aide à les entraîner. Les modèles à deux étages atteignent efficacement de hautes pressions avec un faible taux par étage. Puissances de 1/3 ch à 8 ch.</translation>
    </message>
    <message>
        <source>Zorvik amplifiers are powered and controlled by the air they boost. They need no electrical connections, so they are safe in hazardous areas, and they are small enough to mount on the machine they serve.</source>
        <translation>Les amplificateurs Zorvik sont mus et commandés par l’air qu’ils compriment. Sans raccordement électrique, ils sont sûrs en zone dangereuse et assez petits pour se monter sur la machine.</translation>
    </message>
    <message>
        <source>&amp;Using Performance Curves</source>
        <translation>&amp;Lire les courbes</translation>
    </message>
    <message>
        <source>&amp;Sizing Air Amplifiers</source>
        <translation>&amp;Dimensionner un amplificateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificateur</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificateur avec sa partie motrice pneumatique et sa partie pompe sur un même châssis</translation>
    </message>
    <message>
        <source>Sectional view</source>
        <translation>Vue en coupe</translation>
    </message>
    <message>
        <source>A double-acting air amplifier cut open: the large air drive piston and the small pump pistons on one rod</source>
        <translation>Un amplificateur à double effet en coupe : le grand piston moteur pneumatique et les petits pistons de pompe sur une même tige</translation>
    </message>
    <message>
        <source>The area ratio</source>
        <translation>Le rapport de surfaces</translation>
    </message>
    <message>
        <source>Self-regulation</source>
        <translation>Autorégulation</translation>
    </message>
    <message>
        <source>Power and control</source>
        <translation>Puissance et commande</translation>
    </message>
</context>
<context>
    <name>TZampModelSelectionChartForm</name>
    <message>
        <source>Zorvik Air Driven Air Amplifiers - Model Selection Chart</source>
        <translation>Amplificateurs de pression Zorvik - Tableau des modèles</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Max. Inlet Gas Press.</source>
        <translation>Entrée gaz max.</translation>
    </message>
    <message>
        <source>Max. Outlet Gas Press.</source>
        <translation>Sortie gaz max.</translation>
    </message>
    <message>
        <source>Static Outlet Pressure Formula</source>
        <translation>Formule de pression statique</translation>
    </message>
    <message>
        <source>Piston Displ. per Cycle</source>
        <translation>Cylindrée par cycle</translation>
    </message>
    <message>
        <source>Max. Air Drive</source>
        <translation>Air moteur max.</translation>
    </message>
    <message>
        <source>Drive Size</source>
        <translation>Taille moteur</translation>
    </message>
    <message>
        <source>Model Number Codes</source>
        <translation>Codes des numéros de modèle</translation>
    </message>
    <message>
        <source>RB - single acting, single stage.
RBW - double acting, single stage: gains lift from the inlet gas pressure.
RBZ - two stage, with two pistons of different ratios.
The figure after the dash is the pressure ratio.</source>
        <translation>RB - simple effet, un étage.
RBW - double effet, un étage : la pression d’entrée du gaz aide.
RBZ - deux étages, deux rapports de pistons.
Le nombre après le tiret est le rapport de pression.</translation>
    </message>
    <message>
        <source>• Pa = Air drive pressure
• Ps = Supply Inlet gas pressure</source>
        <translation>• Pa = Pression motrice
• Ps = Pression d’entrée du gaz</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Model selection chart</source>
        <translation>Tableau des modèles</translation>
    </message>
    <message>
        <source>One row for each model: model number, ratio, maximum inlet and outlet gas pressure, static outlet pressure formula, piston displacement per cycle, maximum air drive pressure and drive size</source>
        <translation>Une ligne pour chaque modèle : numéro de modèle, rapport, pressions maximales d’entrée et de sortie du gaz, formule de la pression de sortie statique, cylindrée par cycle, pression maximale d’air moteur et taille du moteur</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symboles</translation>
    </message>
</context>
<context>
    <name>TZampOperationalGuideForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Operational Guidelines</source>
        <translation>Amplificateurs de pression Zorvik  -  Conseils d’utilisation</translation>
    </message>
    <message>
        <source>Operational Guidelines</source>
        <translation>Conseils d’utilisation</translation>
    </message>
    <message>
        <source>While Zorvik amplifiers are built to boost compressed air straight from the plant supply, remember that all such air carries moisture. Compressing it again raises the pressure of its water vapour too, and the higher the outlet pressure, the more of it condenses out as water. A little moisture at a moderate pressure</source>
        <translation>Les amplificateurs Zorvik comprimant l’air directement pris sur le réseau, rappelez-vous que cet air est toujours humide. Le comprimer à nouveau élève aussi la pression de sa vapeur d’eau, et plus la pression de sortie est haute, plus il s’en condense. Un peu d’humidité à pression modérée</translation>
    </message>
    <message>
        <source>level does no harm. But once the boosted air is saturated, water collects in the pump section and the outlet line: it washes the grease from seals and bores, corrodes, and shortens the intervals between services.

For higher pressures, 40 barg or 600 psig for example, dry gases such as nitrogen are the better choice, or the air must be dried before the pump section (see Saturated Air). Where the quality of the delivered gas is critical, use a gas booster, which keeps the drive air completely apart from the gas being boosted.

Fit a filter with an automatic drain ahead of the amplifier, and drain the receiver and the outlet line regularly.</source>
        <translation>ne nuit pas. Mais dès que l’air comprimé est saturé, l’eau s’accumule dans la pompe et la conduite de sortie : elle lave la graisse des joints et des alésages, corrode et raccourcit les intervalles d’entretien.

Pour des pressions plus hautes, 40 barg ou 600 psig par exemple, préférez des gaz secs comme l’azote, ou séchez l’air avant la pompe (voir Air saturé). Si la qualité du gaz est critique, utilisez un surpresseur de gaz, qui sépare totalement l’air moteur du gaz comprimé.

Placez un filtre à purge automatique avant l’amplificateur et purgez régulièrement le réservoir et la conduite de sortie.</translation>
    </message>
    <message>
        <source>Preventing &apos;No Load Runaway&apos;</source>
        <translation>Éviter l’emballement à vide</translation>
    </message>
    <message>
        <source>Various manual and automatic controls prevent no-load runaway: an amplifier racing at full speed when its outlet is suddenly opened or a line bursts. See the options in the Dimensions &amp; Graphs window.</source>
        <translation>Diverses commandes manuelles et automatiques évitent l’emballement à vide : un amplificateur qui s’emballe quand sa sortie s’ouvre soudain ou qu’une conduite éclate. Voir les options de la fenêtre Dimensions &amp; courbes.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls. Ask your local office which of them suit your application.</source>
        <translation>Zorvik propose des options système, dont réservoirs d’air et commandes. Demandez à votre bureau celles qui conviennent à votre application.</translation>
    </message>
    <message>
        <source>Maximum cycle rate</source>
        <translation>Cadence maximale</translation>
    </message>
    <message>
        <source>The maximum cycle rate is a factor of the drive series: each series has its own, set by the size of its air drive and its cycling valves. It is reached where the outlet pressure meets the air drive / supply pressure on the performance graphs, at the left-hand end of each flow curve, where the amplifier works against the least back pressure.

Continuous running at the maximum rate wears the seals quickly. For continuous duty, size the amplifier to run at about 50 % of its maximum cycle rate; intermittent duty may use the full rate. The Calculation of Cycle Speed below shows how to work it out.

A high cycle rate also heats the pump section and the delivered air. Where an amplifier must run for long periods, choose a larger model that does the work at a lower speed, and keep the drive air clean and dry so that the cycling valves stay free.</source>
        <translation>La cadence maximale dépend de la série du moteur : chaque série a la sienne, fixée par la taille de son moteur pneumatique et de ses valves. Elle est atteinte là où la pression de sortie rejoint la pression motrice / d’alimentation sur les courbes, à l’extrémité gauche de chaque courbe, face à la plus faible contre-pression.

Tourner en continu à cadence maximale use vite les joints. En service continu, dimensionnez l’amplificateur pour environ 50 % de sa cadence maximale ; un service intermittent peut utiliser la cadence pleine. Le Calcul de la vitesse de cycle ci-dessous montre la méthode.

Une cadence élevée échauffe aussi la pompe et l’air fourni. Pour de longues marches, choisissez un modèle plus grand qui travaille plus lentement, et gardez l’air moteur propre et sec pour que les valves restent libres.</translation>
    </message>
    <message>
        <source>Other considerations include</source>
        <translation>À considérer également</translation>
    </message>
    <message>
        <source>Cycling rate and unloaded operation: an amplifier should not run for long at high speed against little or no load, when it wears without doing useful work.

Size it so that the outlet pressure required is not too small a fraction of its maximum (stall) pressure: a model worked at the bottom of its range runs fast and uses more drive air for each cubic foot delivered. Where less flow is needed, throttle the drive air rather than let the amplifier race.</source>
        <translation>Cadence et marche à vide : un amplificateur ne doit pas tourner longtemps vite sous une charge faible ou nulle ; il s’use alors sans rien produire.

Dimensionnez-le pour que la pression de sortie requise ne soit pas une trop petite part de sa pression maximale (d’équilibre) : un modèle en bas de sa plage tourne vite et consomme plus d’air moteur par pied cube fourni. S’il faut moins de débit, étranglez l’air moteur plutôt que de laisser l’amplificateur s’emballer.</translation>
    </message>
    <message>
        <source>&amp;Calculation of Cycle Speed</source>
        <translation>&amp;Calcul de la vitesse de cycle</translation>
    </message>
    <message>
        <source>&amp;Saturated Air - Some Precautions</source>
        <translation>Air &amp;saturé - quelques précautions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in the boosted air</source>
        <translation>Humidité dans l’air surpressé</translation>
    </message>
    <message>
        <source>Double-acting air amplifier</source>
        <translation>Amplificateur à double effet</translation>
    </message>
    <message>
        <source>A double-acting air amplifier with a pump section at each end</source>
        <translation>Un amplificateur à double effet avec une partie pompe à chaque extrémité</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Options du système</translation>
    </message>
</context>
<context>
    <name>TZampSaturatedAirForm</name>
    <message>
        <source>Saturated Air - Some Precautions</source>
        <translation>Air saturé - quelques précautions</translation>
    </message>
    <message>
        <source>All air contains moisture, and compressed air holds the moisture of several volumes of atmospheric air in one. Most pneumatic equipment prefers dry air, and an air amplifier is no exception: it raises the pressure of the water vapour along with that of the air, so the higher it boosts the pressure, the drier the air at its inlet must be</source>
        <translation>Tout air contient de l’humidité, et l’air comprimé porte celle de plusieurs volumes d’air ambiant en un seul. La plupart des équipements pneumatiques préfèrent l’air sec, l’amplificateur aussi : il élève la pression de la vapeur d’eau avec celle de l’air ; plus il comprime, plus l’air d’entrée doit être sec</translation>
    </message>
    <message>
        <source>to stay dry at its outlet. &quot;Dry&quot; is relative: what counts is the dewpoint, the temperature at which the moisture in the air starts to condense at the pressure it is at. Compressing air raises its dewpoint, because the water vapour is compressed with it: air with a pressure dewpoint of 10 °C (50 °F) at 7 barg (100 psig) has a dewpoint of about -18 °C (0 °F) at atmospheric pressure. Always compare pressure dewpoints.

The chart shows saturation lines for air dried to several dewpoints at 7 barg (100 psig). Boosted air stays dry as long as it stays to the right of its line, at a lower pressure or a higher temperature. To the left of it water condenses in the pump section, washes the grease from seals and bores, causes corrosion and is carried into the outlet line.

The lower the dewpoint of the air at the inlet, the higher it can be boosted before water appears: the examples below show how far each kind of dryer goes.</source>
        <translation>pour rester sec en sortie. « Sec » est relatif : ce qui compte est le point de rosée, la température où l’humidité se condense à la pression considérée. Comprimer l’air élève son point de rosée, la vapeur étant comprimée avec lui : un air à point de rosée sous pression de 10 °C (50 °F) à 7 barg (100 psig) a environ -18 °C (0 °F) à la pression atmosphérique. Comparez toujours des points de rosée sous pression.

Le graphique montre les lignes de saturation d’un air séché à divers points de rosée à 7 barg (100 psig). L’air comprimé reste sec tant qu’il est à droite de sa ligne, à pression plus basse ou température plus haute. À gauche, l’eau se condense dans la pompe, lave la graisse des joints et alésages, corrode et passe dans la sortie.

Plus le point de rosée à l’entrée est bas, plus on peut comprimer avant l’apparition d’eau : les exemples ci-dessous montrent jusqu’où va chaque sécheur.</translation>
    </message>
    <message>
        <source>A shop compressor heats the air it compresses; the aftercooler and the receiver cool it again, so the air in the line is usually saturated at about room temperature, and boosting it makes water condense at once. Even very dry air, at 20 °C (68 °F) and only 9 % relative humidity, is saturated when it is raised to about 10 barg (145 psig) and cools back to 20 °C (68 °F). Air that is to be boosted well above the line pressure therefore needs a dryer.</source>
        <translation>Un compresseur d’atelier chauffe l’air ; le refroidisseur final et le réservoir le refroidissent, si bien que l’air du réseau est en général saturé vers la température ambiante, et le comprimer fait aussitôt condenser de l’eau. Même un air très sec, à 20 °C (68 °F) et 9 % d’humidité relative seulement, est saturé une fois porté à environ 10 barg (145 psig) et refroidi à 20 °C (68 °F). L’air à comprimer bien au-delà du réseau demande donc un sécheur.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 °C (50 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 10 °C (50 °F) can be boosted to about 14 barg (200 psig) without condensation at 20 °C (68 °F): example 1 on the chart. At a higher pressure, or if the pump section runs cooler, water condenses; for higher pressures choose a lower dewpoint. Such a dryer is common on plant air. It suits boosting to about twice the line pressure, but not beyond: above that, fit a dryer with a lower dewpoint or use nitrogen.</source>
        <translation>Sécheur frigorifique, point de rosée 10 °C (50 °F). L’air séché à 7 barg (100 psig) à 10 °C (50 °F) de point de rosée se comprime sans condensation jusqu’à environ 14 barg (200 psig) à 20 °C (68 °F) : exemple 1 du graphique. Au-delà, ou si la pompe est plus froide, l’eau se condense ; pour plus de pression, visez un point de rosée plus bas. Courant sur les réseaux d’usine, ce sécheur convient jusqu’à environ deux fois la pression du réseau, pas plus : au-delà, prenez un sécheur plus performant ou de l’azote.</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 °C (32 °F) dewpoint. Air dried at 7 barg (100 psig) to a pressure dewpoint of 0 °C (32 °F) can be boosted to just under 30 barg (about 425 psig) without condensation at 20 °C (68 °F): example 2 on the chart. This is about the lowest dewpoint a refrigerated dryer can give, as the condensate would freeze below it. It suits boosting to about four times the line pressure; above that, use a desiccant dryer or nitrogen. Drain the condensate trap of the dryer regularly, or fit an automatic drain.</source>
        <translation>Sécheur frigorifique, point de rosée 0 °C (32 °F). L’air séché à 7 barg (100 psig) à 0 °C (32 °F) de point de rosée se comprime sans condensation jusqu’à un peu moins de 30 barg (environ 425 psig) à 20 °C (68 °F) : exemple 2 du graphique. C’est à peu près le plus bas qu’un sécheur frigorifique puisse donner, le condensat gelant en dessous. Il convient jusqu’à environ quatre fois la pression du réseau ; au-delà, utilisez un sécheur à adsorption ou de l’azote. Purgez régulièrement le sécheur, ou montez une purge automatique.</translation>
    </message>
    <message>
        <source>Desiccant dryer, about -40 °C (-40 °F) dewpoint. A desiccant dryer on the pump-section inlet only (the drive air needs no drying) gives a pressure dewpoint of about -40 °C (-40 °F). This air can be boosted to over 240 barg (3480 psig) without condensation at 20 °C (68 °F): example 3, beyond the top of the chart. As only the air being boosted is dried, a small dryer will do. Its desiccant must be regenerated or changed at the intervals its maker gives, or the dewpoint rises again and water reaches the pump section after all.</source>
        <translation>Sécheur à adsorption, point de rosée d’environ -40 °C (-40 °F). Un sécheur à adsorption sur la seule entrée de la pompe (l’air moteur n’a pas à être séché) donne un point de rosée sous pression d’environ -40 °C (-40 °F). Cet air se comprime sans condensation au-delà de 240 barg (3480 psig) à 20 °C (68 °F) : exemple 3, hors du graphique. Seul l’air comprimé étant séché, un petit sécheur suffit. Régénérez ou changez son adsorbant aux intervalles prescrits, sinon le point de rosée remonte.</translation>
    </message>
    <message>
        <source>Using nitrogen. For requirements above 45 barg (650 psig), commercial nitrogen is often the simplest answer: it is dry, clean and inert. It can be boosted from bottles filled to 150 bar (2175 psi), which can then be used until they are nearly empty, or from liquid nitrogen vaporised at about 9 bar (130 psi). The amplifier is still driven by ordinary shop air, which never mixes with the nitrogen. Keep the bottles secured and fit a regulator rated for their full pressure; a manifold lets several bottles feed the amplifier in turn.</source>
        <translation>Azote. Au-delà de 45 barg (650 psig), l’azote du commerce est souvent la solution la plus simple : sec, propre et inerte. On le comprime à partir de bouteilles à 150 bar (2175 psi), ainsi utilisables presque jusqu’au vide, ou d’azote liquide vaporisé vers 9 bar (130 psi). L’amplificateur reste mû par l’air d’atelier, qui ne se mêle jamais à l’azote. Arrimez les bouteilles et montez un détendeur prévu pour leur pleine pression ; une rampe permet d’en alimenter plusieurs à tour de rôle.</translation>
    </message>
    <message>
        <source>&amp;10°C (50°F) dewpoint dryer</source>
        <translation>Sécheur &amp;10°C (50°F)</translation>
    </message>
    <message>
        <source>&amp;0°C (32°F) dewpoint dryer</source>
        <translation>Sécheur &amp;0°C (32°F)</translation>
    </message>
    <message>
        <source>&amp;Dessicant Dryer</source>
        <translation>Sécheur à &amp;adsorption</translation>
    </message>
    <message>
        <source>Using &amp;Nitrogen</source>
        <translation>A&amp;zote</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Moisture in compressed air</source>
        <translation>Humidité dans l’air comprimé</translation>
    </message>
    <message>
        <source>Dewpoint</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Air from a shop compressor</source>
        <translation>Air d’un compresseur d’atelier</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Celsius</source>
        <translation>Courbes de saturation en degrés Celsius</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 7 barg: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Point de rosée sous pression selon la température de l’air, pour de l’air séché à 7 barg : l’eau se condense à gauche d’une courbe ; les exemples 1 à 3 du texte sont repérés sur le diagramme</translation>
    </message>
    <message>
        <source>Saturation lines in degrees Fahrenheit</source>
        <translation>Courbes de saturation en degrés Fahrenheit</translation>
    </message>
    <message>
        <source>Pressure dewpoint against air temperature for air dried at 100 psig: water condenses left of a line; examples 1 to 3 from the text are marked on the chart</source>
        <translation>Point de rosée sous pression selon la température de l’air, pour de l’air séché à 100 psig : l’eau se condense à gauche d’une courbe ; les exemples 1 à 3 du texte sont repérés sur le diagramme</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 10 degrees Celsius dewpoint</source>
        <translation>Sécheur frigorifique, point de rosée de 10 degrés Celsius</translation>
    </message>
    <message>
        <source>Refrigerated dryer, 0 degrees Celsius dewpoint</source>
        <translation>Sécheur frigorifique, point de rosée de 0 degré Celsius</translation>
    </message>
    <message>
        <source>Desiccant dryer</source>
        <translation>Sécheur par adsorption</translation>
    </message>
    <message>
        <source>Using nitrogen</source>
        <translation>Utilisation de l’azote</translation>
    </message>
    <message>
        <source>Dryers</source>
        <translation>Sécheurs</translation>
    </message>
</context>
<context>
    <name>TZampSizingAmplifiersForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Sizing</source>
        <translation>Amplificateurs de pression Zorvik  -  Dimensionnement</translation>
    </message>
    <message>
        <source>Sizing Air Amplifiers</source>
        <translation>Dimensionner un amplificateur</translation>
    </message>
    <message>
        <source>Several factors are involved in sizing an air amplifier correctly. Getting them right first time saves a second purchase.</source>
        <translation>Plusieurs facteurs comptent pour bien dimensionner un amplificateur. Bien les choisir d’emblée évite un second achat.</translation>
    </message>
    <message>
        <source>Some concern the parameters of the application, others the nature of the application itself.</source>
        <translation>Certains touchent aux paramètres de l’application, d’autres à sa nature même.</translation>
    </message>
    <message>
        <source>Dividing the outlet pressure required by the minimum air drive pressure gives the minimum area ratio, which is the dash number of the model: 1000 psig from an 80 psig drive needs a ratio of at least 12.5, so a -15 model. Allow a margin, as the flow falls to nothing at the maximum pressure; on double-acting models the supply pressure helps.

Where one amplifier cannot give the flow, several can work in parallel; where one ratio cannot reach the pressure, amplifiers can work in series, or a two-stage model does the job. Multipump units combine several amplifiers on one frame with common controls. In series the first amplifier feeds the second, so each works at a lower ratio and together they reach a pressure that neither could reach alone.</source>
        <translation>La pression de sortie requise divisée par la pression motrice minimale donne le rapport de surfaces minimal, le nombre après le tiret : 1000 psig avec 80 psig d’air moteur exigent au moins 12,5, donc un modèle -15. Prévoyez une marge (débit nul à la pression maximale) ; en double effet, la pression d’alimentation aide.

Si un amplificateur ne donne pas le débit, plusieurs peuvent travailler en parallèle ; si un rapport n’atteint pas la pression, ils peuvent travailler en série, ou un modèle à deux étages s’en charge. Les groupes multipompes réunissent plusieurs amplificateurs sur un châssis à commandes communes. En série, le premier alimente le second : chacun travaille à un rapport plus faible et ensemble ils atteignent une pression qu’aucun n’atteindrait seul.</translation>
    </message>
    <message>
        <source>Specfic Parameters Include</source>
        <translation>Paramètres à préciser</translation>
    </message>
    <message>
        <source>What outlet pressure is required? (Po)
What is the minimum air drive pressure available? (Pa)
What is the supply pressure? (Ps; in most cases Pa = Ps)
What flow is required at the outlet pressure? (Q)</source>
        <translation>Quelle pression de sortie est requise ? (Po)
Quelle pression motrice minimale est disponible ? (Pa)
Quelle est la pression d’alimentation ? (Ps ; souvent Pa = Ps)
Quel débit faut-il à la pression de sortie ? (Q)</translation>
    </message>
    <message>
        <source>Application Data Includes</source>
        <translation>Données de l’application</translation>
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
        <translation>Quel service : continu, ou intermittent et à quelle fréquence ?
À quoi sert la haute pression ?
    Essai : quel est le volume de la pièce essayée,
    et en combien de temps atteindre la pression d’essai ?
    Éjection : quels volume et pression par coup,
    et combien de coups par minute ?
    Actionnement : alésage et course du vérin ; simple ou
    double effet ; quelles courses en haute pression ;
    combien de cycles par minute ?</translation>
    </message>
    <message>
        <source>Determination of Flow</source>
        <translation>Détermination du débit</translation>
    </message>
    <message>
        <source>We should verify the flow required from the application data before a model is chosen: the flow that a test vessel, a cylinder or an ejector needs follows from its volume, its pressure and its cycle time, and it is easily under- or over-estimated.

Where the demand is intermittent, an air receiver downstream of the amplifier stores high-pressure air between demands. The amplifier then has to supply only the average flow, so a smaller model will do, and the receiver covers momentary peaks that no amplifier could follow.

As a guide, a vessel takes its volume times the pressure rise in atmospheres of free air, a cylinder its swept volume times its absolute pressure in atmospheres at each stroke, in the time allowed.</source>
        <translation>Vérifiez le débit requis à partir des données de l’application avant de choisir un modèle : celui d’un réservoir d’essai, d’un vérin ou d’un éjecteur découle de son volume, de sa pression et de son temps de cycle, et on le sous-estime ou surestime aisément.

Si la demande est intermittente, un réservoir en aval stocke de l’air haute pression entre les demandes. L’amplificateur ne fournit alors que le débit moyen, un modèle plus petit suffit, et le réservoir couvre les pointes brèves qu’aucun amplificateur ne suivrait.

En ordre de grandeur, un réservoir prend son volume fois la hausse de pression en atmosphères d’air libre, un vérin son volume balayé fois sa pression absolue en atmosphères à chaque course, dans le temps imparti.</translation>
    </message>
    <message>
        <source>Zorvik offer system options, including air receivers and controls.</source>
        <translation>Zorvik propose des options système : réservoirs et commandes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Air amplifier</source>
        <translation>Amplificateur</translation>
    </message>
    <message>
        <source>An air amplifier with its air drive section and its pump section on one frame</source>
        <translation>Un amplificateur avec sa partie motrice pneumatique et sa partie pompe sur un même châssis</translation>
    </message>
    <message>
        <source>Sizing factors</source>
        <translation>Facteurs de dimensionnement</translation>
    </message>
    <message>
        <source>Area ratio and several amplifiers</source>
        <translation>Rapport de surfaces et plusieurs amplificateurs</translation>
    </message>
    <message>
        <source>System options</source>
        <translation>Options du système</translation>
    </message>
</context>
<context>
    <name>TZampUsingCurvesForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers  -  Using Performance Curves</source>
        <translation>Amplificateurs de pression Zorvik  -  Lire les courbes</translation>
    </message>
    <message>
        <source>Using Performance Curves</source>
        <translation>Lire les courbes de performance</translation>
    </message>
    <message>
        <source>All Zorvik amplifiers are variable-pressure, variable-flow devices. The outlet pressure is set anywhere up to the maximum by regulating the air drive pressure, or, on double-acting models, the supply pressure as well. The flow is reduced by throttling the drive air.

Performance curves are published for every area ratio and power size. Each graph shows the outlet flow (Q) against the outlet pressure (Po) at one air drive pressure (Pa) and one supply pressure (Ps), with lines of constant drive air consumption (QA). The graph beside this text is an example for a double-acting RBW-2.

Values between the published curves can be found by interpolation. For conditions outside them, ask your local Zorvik representative for a performance calculation.

The lower curves of each graph are for lower supply pressures. On every curve the flow is greatest at its left-hand end and falls to nothing at the stall pressure.</source>
        <translation>Tous les amplificateurs Zorvik ont une pression et un débit variables. La pression de sortie se règle jusqu’au maximum par la pression motrice et, sur les modèles double effet, aussi par la pression d’alimentation. Le débit se réduit en étranglant l’air moteur.

Des courbes existent pour chaque rapport de surfaces et chaque taille. Chaque graphique donne le débit de sortie (Q) selon la pression de sortie (Po) à une pression motrice (Pa) et une pression d’alimentation (Ps), avec des lignes de consommation d’air constante (QA). Le graphique voisin est celui d’un RBW-2 double effet.

Les valeurs intermédiaires s’obtiennent par interpolation. Pour d’autres conditions, demandez un calcul à votre représentant Zorvik.

Les courbes basses valent pour des pressions d’alimentation plus faibles. Sur chaque courbe, le débit est maximal à gauche et s’annule à la pression d’équilibre.</translation>
    </message>
    <message>
        <source>Note that the flow falls as the outlet pressure rises: the closer the outlet pressure comes to the maximum, the slower the amplifier cycles.

The maximum outlet pressure is the zero-flow stall condition: the forces on the piston balance and the amplifier stops, holding the pressure without using any air.

When the downstream pressure drops, the balance is upset and the amplifier cycles again to restore it, so it also makes up any leakage from a closed system.</source>
        <translation>Le débit baisse quand la pression de sortie monte : plus elle approche du maximum, plus l’amplificateur cycle lentement.

La pression de sortie maximale est l’équilibre à débit nul : les forces sur le piston s’équilibrent et l’amplificateur s’arrête en maintenant la pression sans consommer d’air.

Si la pression en aval baisse, l’équilibre est rompu et l’amplificateur repart pour la rétablir ; il compense ainsi les fuites d’un circuit fermé.</translation>
    </message>
    <message>
        <source>To read the curves, find the outlet pressure (Po) on the horizontal axis, go up to the flow curve and read the outlet flow (Q) on the vertical axis; the line of constant air use through that point gives the drive air (QA).

The total air needed is the outlet flow plus the drive air: Q&#xa0;+&#xa0;QA.

Example: with Ps&#xa0;=&#xa0;100&#xa0;psig and Po&#xa0;=&#xa0;170&#xa0;psig the graph gives Q&#xa0;=&#xa0;30&#xa0;scfm and QA&#xa0;=&#xa0;50&#xa0;scfm, so the compressed air supply must provide 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Other points are read the same way.</source>
        <translation>Pour lire les courbes, repérez la pression de sortie (Po) sur l’axe horizontal, montez jusqu’à la courbe et lisez le débit (Q) sur l’axe vertical ; la ligne de consommation constante passant par ce point donne l’air moteur (QA).

L’air total nécessaire est le débit de sortie plus l’air moteur : Q&#xa0;+&#xa0;QA.

Exemple : avec Ps&#xa0;=&#xa0;100&#xa0;psig et Po&#xa0;=&#xa0;170&#xa0;psig, le graphique donne Q&#xa0;=&#xa0;30&#xa0;scfm et QA&#xa0;=&#xa0;50&#xa0;scfm ; le réseau d’air doit donc fournir 30&#xa0;+&#xa0;50&#xa0;=&#xa0;80&#xa0;scfm.

Les autres points se lisent de même.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Flow and stall</source>
        <translation>Débit et pression d’équilibre</translation>
    </message>
    <message>
        <source>Reading the curves</source>
        <translation>Lire les courbes</translation>
    </message>
</context>
<context>
    <name>TZorvAmpMainForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers</source>
        <translation>Amplificateurs de pression Zorvik</translation>
    </message>
    <message>
        <source>AIR PRESSURE</source>
        <translation>AMPLIFICATEURS</translation>
    </message>
    <message>
        <source>AMPLIFIERS</source>
        <translation>DE PRESSION</translation>
    </message>
    <message>
        <source>&amp;Zorvik Introduction</source>
        <translation>&amp;Introduction Zorvik</translation>
    </message>
    <message>
        <source> &amp;Applications &amp;&amp; Benefits</source>
        <translation> &amp;Applications &amp;&amp; atouts</translation>
    </message>
    <message>
        <source>&amp;General Description</source>
        <translation>Description &amp;générale</translation>
    </message>
    <message>
        <source>&amp;Operational Guidelines</source>
        <translation>C&amp;onseils d’utilisation</translation>
    </message>
    <message>
        <source>  &amp;Model Selection Chart</source>
        <translation>  Tableau des &amp;modèles</translation>
    </message>
    <message>
        <source>&amp;Select an Air Amplifier</source>
        <translation>&amp;Choisir un modèle</translation>
    </message>
    <message>
        <source>&amp;Dimensions &amp;&amp; Graphs</source>
        <translation>&amp;Dimensions &amp;&amp; courbes</translation>
    </message>
    <message>
        <source>   &amp;Close</source>
        <translation>   &amp;Fermer</translation>
    </message>
    <message>
        <source>Air amplifier selection and sizing program</source>
        <translation>Choix et dimensionnement</translation>
    </message>
    <message>
        <source>Performance data: Zorvik Engineering</source>
        <translation>Performances : Zorvik Engineering</translation>
    </message>
    <message>
        <source>(c) Zorvik Pneumatics Ltd.</source>
        <translation>(c) Zorvik Pneumatics Ltd.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Product display</source>
        <translation>Présentation du produit</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Zorvik Pneumatic Engineering: air pressure amplifiers, boosters for air and gas, selection and sizing</source>
        <translation>Zorvik Pneumatic Engineering : amplificateurs de pression d’air, surpresseurs pour l’air et le gaz, sélection et dimensionnement</translation>
    </message>
    <message>
        <source>Air amplifier emblem</source>
        <translation>Emblème de l’amplificateur</translation>
    </message>
    <message>
        <source>An amplifier with arrows: air in, higher pressure out</source>
        <translation>Un amplificateur avec des flèches : l’air entre, une pression plus élevée sort</translation>
    </message>
</context>
<context>
    <name>TZorvikAmpIntroductionForm</name>
    <message>
        <source>Zorvik Introduction</source>
        <translation>Introduction Zorvik</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>For more than forty years Zorvik has designed and built air-driven equipment for industry: pumps, valves and pressure amplifiers that run on plant air alone.</source>
        <translation>Depuis plus de quarante ans, Zorvik conçoit et fabrique des équipements pneumatiques pour l’industrie : pompes, vannes et amplificateurs de pression mus par le seul air de l’usine.</translation>
    </message>
    <message>
        <source>Our products are made in our own plants in England and Scotland and supported by a worldwide network of offices and distributors.</source>
        <translation>Nos produits sont fabriqués dans nos propres usines en Angleterre et en Écosse et suivis par un réseau mondial de bureaux et de distributeurs.</translation>
    </message>
    <message>
        <source>The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact single-acting units to large double-acting and two-stage models.</source>
        <translation>La gamme d’amplificateurs Zorvik élève l’air ou le gaz jusqu’à 345 bar (5000 psi), des appareils compacts à simple effet aux grands modèles à double effet et à deux étages.</translation>
    </message>
    <message>
        <source>Continued investment in modern machining, assembly and test facilities means that every amplifier is pressure-tested before it leaves the factory.</source>
        <translation>Grâce à des investissements constants dans l’usinage, l’assemblage et les essais, chaque amplificateur est éprouvé en pression avant de quitter l’usine.</translation>
    </message>
    <message>
        <source>Head Office: Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tel 01632 960210  Fax 01632 960211</source>
        <translation>Siège : Zorvik Pneumatics Ltd.
Brindley Park, Halesworth IP19 8ZX
Tél. 01632 960210  Fax 01632 960211</translation>
    </message>
    <message>
        <source>Zorvik Pneumatics</source>
        <translation>Zorvik Pneumatics</translation>
    </message>
    <message>
        <source>The company name</source>
        <translation>Le nom de la société</translation>
    </message>
    <message>
        <source>Worldwide network</source>
        <translation>Réseau mondial</translation>
    </message>
    <message>
        <source>A world map with the head office in England and regional offices and distributors in the U.S.A., Europe, Asia and Australasia</source>
        <translation>Une carte du monde avec le siège en Angleterre et des agences régionales et distributeurs aux États-Unis, en Europe, en Asie et en Australasie</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Usine</translation>
    </message>
    <message>
        <source>The Zorvik factory building</source>
        <translation>Le bâtiment de l’usine Zorvik</translation>
    </message>
    <message>
        <source>About Zorvik</source>
        <translation>À propos de Zorvik</translation>
    </message>
    <message>
        <source>Office address</source>
        <translation>Adresse de l’agence</translation>
    </message>
    <message>
        <source>Head office address</source>
        <translation>Adresse du siège</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>The office whose address is shown and printed on every page</source>
        <translation>L’agence dont l’adresse est affichée et imprimée sur chaque page</translation>
    </message>
</context>
<context>
    <name>TimageDisplayForm</name>
    <message>
        <source>Zorvik Air Pressure Amplifiers - Selected Model</source>
        <translation>Amplificateurs de pression Zorvik - Modèle choisi</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copier l’image dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Flip Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Les valeurs du diagramme sous forme de tableau (Ctrl+T)</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tableau</translation>
    </message>
</context>
<context>
    <name>TmodelDataForm</name>
    <message>
        <source>Model Selection Data</source>
        <translation>Données du modèle</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>Min air drive pressure</source>
        <translation>Pression motrice min.</translation>
    </message>
    <message>
        <source>Max air drive pressure</source>
        <translation>Pression motrice max.</translation>
    </message>
    <message>
        <source>Gas inlet pressure (Ps) should be equal to</source>
        <translation>La pression d’entrée du gaz (Ps) doit égaler</translation>
    </message>
    <message>
        <source>Air drive pressure  (Pa) with this model.</source>
        <translation>la pression motrice (Pa) sur ce modèle.</translation>
    </message>
    <message>
        <source>Use a common connection for drive and input supply</source>
        <translation>Alimentez l’air moteur et l’entrée par un même raccord</translation>
    </message>
    <message>
        <source>Min inlet gas pressure</source>
        <translation>Pression entrée gaz min.</translation>
    </message>
    <message>
        <source>Max inlet gas pressure</source>
        <translation>Pression entrée gaz max.</translation>
    </message>
    <message>
        <source>Dependent on air drive pressure</source>
        <translation>Dépend de la pression motrice</translation>
    </message>
    <message>
        <source>Max outlet gas pressure</source>
        <translation>Pression de sortie du gaz max.</translation>
    </message>
    <message>
        <source>Max compression ratio</source>
        <translation>Taux de compression max.</translation>
    </message>
    <message>
        <source>Piston displacement / cycle</source>
        <translation>Cylindrée par cycle</translation>
    </message>
    <message>
        <source>Stall pressure formula</source>
        <translation>Formule de pression d’équilibre</translation>
    </message>
    <message>
        <source>Max inlet gas pressure to avoid Interstage stall</source>
        <translation>Pression d’entrée max. sans calage intermédiaire</translation>
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
        <translation>Amplificateurs de pression Zorvik  -  Dimensions &amp; courbes</translation>
    </message>
    <message>
        <source>Model Number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>En &amp;pouces</translation>
    </message>
    <message>
        <source>Show Amplifier</source>
        <translation>Voir l’amplificateur</translation>
    </message>
    <message>
        <source>Model Data</source>
        <translation>Fiche modèle</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Voir la co&amp;urbe</translation>
    </message>
    <message>
        <source>&amp;Adjust pressure</source>
        <translation>&amp;Régler</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy Image to Clipboard</source>
        <translation>Copier l’image dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Main &amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>    Model Type</source>
        <translation>    Type</translation>
    </message>
    <message>
        <source>Available Options   (further details will be shown if applicable)</source>
        <translation>Options disponibles   (détails affichés s’il y en a)</translation>
    </message>
    <message>
        <source>Model number</source>
        <translation>Numéro de modèle</translation>
    </message>
    <message>
        <source>Available options</source>
        <translation>Options disponibles</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Drive air pressure is too low!</source>
        <translation>La pression motrice est trop basse !</translation>
    </message>
    <message>
        <source>Drive air pressure is too high!</source>
        <translation>La pression motrice est trop élevée !</translation>
    </message>
    <message>
        <source>Initial outlet pressure must be less than final outlet pressure!</source>
        <translation>La pression initiale doit être inférieure à la pression finale !</translation>
    </message>
    <message>
        <source>Vessel temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>La température du réservoir doit être de -20 à 60 °C (-4 à 140 °F) !</translation>
    </message>
    <message>
        <source>Final pressure is above the real-gas model&apos;s 700 bar absolute (10138 psig)!</source>
        <translation>La pression finale dépasse les 700 bar absolus (10138 psig) du modèle de gaz réel !</translation>
    </message>
    <message>
        <source>Flow rate cannot be zero!<byte value="xd"/>No Amplifier needed.</source>
        <translation>Le débit ne peut pas être nul !<byte value="xd"/>Aucun amplificateur n’est nécessaire.</translation>
    </message>
    <message>
        <source>Outlet pressure must be greater<byte value="xd"/>than inlet pressure!</source>
        <translation>La pression de sortie doit être supérieure<byte value="xd"/>à la pression d’entrée !</translation>
    </message>
    <message>
        <source>Gas temperature must be from -20 to 60 °C (-4 to 140 °F)!</source>
        <translation>La température du gaz doit être de -20 à 60 °C (-4 à 140 °F) !</translation>
    </message>
</context>
<context>
    <name>zorvik::ComparisonWindow</name>
    <message>
        <source>Compare Amplifiers</source>
        <translation>Comparer les amplificateurs</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Heures par an :</translation>
    </message>
    <message>
        <source>Electricity price per k&amp;Wh:</source>
        <translation>Prix de l’électricité par k&amp;Wh :</translation>
    </message>
    <message>
        <source>&amp;Inlet gas from the drive air supply</source>
        <translation>Gaz d’&amp;entrée pris sur l’air moteur</translation>
    </message>
    <message>
        <source>&amp;Model to add:</source>
        <translation>&amp;Modèle à ajouter :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aj&amp;outer</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Column</source>
        <translation>&amp;Retirer la colonne choisie</translation>
    </message>
    <message>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copier le tableau</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>Enregi&amp;strer en CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per n.m3/min:</source>
        <translation>&amp;Puissance du compresseur, kW par n.m3/min :</translation>
    </message>
    <message>
        <source>Compr&amp;essor power, kW per 100 scfm:</source>
        <translation>&amp;Puissance du compresseur, kW par 100 scfm :</translation>
    </message>
    <message>
        <source>The table could not be saved.</source>
        <translation>Le tableau n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The comparison could not be printed: the printer could not be started.</source>
        <translation>Impossible d’imprimer la comparaison : l’imprimante n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Save Comparison</source>
        <translation>Enregistrer la comparaison</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Comparison table</source>
        <translation>Tableau comparatif</translation>
    </message>
    <message>
        <source>Model to add</source>
        <translation>Modèle à ajouter</translation>
    </message>
    <message>
        <source>Comparison chart</source>
        <translation>Diagramme comparatif</translation>
    </message>
    <message>
        <source>Chart Table</source>
        <translation>Tableau du diagramme</translation>
    </message>
    <message>
        <source>The chart&apos;s figures as a table (Ctrl+T)</source>
        <translation>Les valeurs du diagramme sous forme de tableau (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>zorvik::DataTableDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>zorvik::JobHeaderPanel</name>
    <message>
        <source>&amp;Job name:</source>
        <translation>Nom du pro&amp;jet :</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <source>&amp;Reference:</source>
        <translation>&amp;Référence :</translation>
    </message>
    <message>
        <source>En&amp;gineer:</source>
        <translation>&amp;Ingénieur :</translation>
    </message>
    <message>
        <source>Revis&amp;ion:</source>
        <translation>Ré&amp;vision :</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>D&amp;ate :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>&amp;Office on the pages:</source>
        <translation>A&amp;gence sur les pages :</translation>
    </message>
    <message>
        <source>Running cost of the drive air</source>
        <translation>Coût de l’air moteur</translation>
    </message>
    <message>
        <source>Compressor power, &amp;kW per 100 scfm:</source>
        <translation>Puissance du compresseur, &amp;kW par 100 scfm :</translation>
    </message>
    <message>
        <source>&amp;Hours a year:</source>
        <translation>&amp;Heures par an :</translation>
    </message>
    <message>
        <source>&amp;Price per kWh:</source>
        <translation>&amp;Prix du kWh :</translation>
    </message>
    <message>
        <source>The gas boosted is dri&amp;ve air (its flow counts too)</source>
        <translation>&amp;Le gaz amplifié est l’air moteur (son débit compte aussi)</translation>
    </message>
    <message>
        <source>The office chosen in the program</source>
        <translation>L’agence choisie dans le programme</translation>
    </message>
    <message>
        <source>%1 (not among this program&apos;s offices)</source>
        <translation>%1 (absente des agences de ce programme)</translation>
    </message>
</context>
<context>
    <name>zorvik::JobTableModel</name>
    <message>
        <source>The figures differ from those saved:</source>
        <translation>Les valeurs diffèrent de celles enregistrées :</translation>
    </message>
    <message>
        <source>Duty not valid</source>
        <translation>Besoin non valable</translation>
    </message>
    <message>
        <source>Figures changed</source>
        <translation>Valeurs modifiées</translation>
    </message>
    <message>
        <source>No model</source>
        <translation>Aucun modèle</translation>
    </message>
    <message>
        <source>Fails the duty</source>
        <translation>Ne remplit pas le besoin</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Besoin</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Delivers</source>
        <translation>Débit fourni</translation>
    </message>
    <message>
        <source>Drive air</source>
        <translation>Air moteur</translation>
    </message>
    <message>
        <source>Running cost</source>
        <translation>Coût d’exploitation</translation>
    </message>
    <message>
        <source>Change tag</source>
        <translation>Modifier le repère</translation>
    </message>
    <message>
        <source>Change quantity</source>
        <translation>Modifier la quantité</translation>
    </message>
</context>
<context>
    <name>zorvik::JobWindow</name>
    <message>
        <source>Change the job&apos;s details</source>
        <translation>Modifier les données du projet</translation>
    </message>
    <message>
        <source>&amp;Add item</source>
        <translation>&amp;Ajouter un poste</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aj&amp;outer</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>&amp;Edit duty...</source>
        <translation>Modifier le &amp;besoin...</translation>
    </message>
    <message>
        <source>Edit du&amp;ty...</source>
        <translation>Modifier le besoin (&amp;t)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Supprim&amp;er</translation>
    </message>
    <message>
        <source>Move u&amp;p</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>De&amp;scendre</translation>
    </message>
    <message>
        <source>&amp;Submittal...</source>
        <translation>Dossier techni&amp;que...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Su&amp;bmittal...</source>
        <translation>Dossie&amp;r...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Untitled job</source>
        <translation>Projet sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Job - Zorvik Air Pressure Amplifiers</source>
        <translation>%1[*] - Projet - Amplificateurs de pression Zorvik</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Poste %1</translation>
    </message>
    <message>
        <source>Add item</source>
        <translation>Ajouter un poste</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>&amp;Keep in job</source>
        <translation>Garder dans le pro&amp;jet</translation>
    </message>
    <message>
        <source>Edit duty</source>
        <translation>Modifier le besoin</translation>
    </message>
    <message>
        <source>&amp;Add to job</source>
        <translation>&amp;Ajouter au projet</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>The job &quot;%1&quot; has changes that are not saved.</source>
        <translation>Le projet « %1 » a des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Save them first?</source>
        <translation>Les enregistrer d’abord ?</translation>
    </message>
    <message>
        <source>The job file %1 cannot be opened.</source>
        <translation>Le fichier de projet %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Replace it with this job?</source>
        <translation>Le remplacer par ce projet ?</translation>
    </message>
    <message>
        <source>The job could not be saved in %1.</source>
        <translation>Le projet n’a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Save the job</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Job files (*.zjob)</source>
        <translation>Fichiers de projet (*.zjob)</translation>
    </message>
    <message>
        <source>Open a job</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Job files (*.zjob);;All files (*)</source>
        <translation>Fichiers de projet (*.zjob);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>No job opened yet</source>
        <translation>Aucun projet ouvert</translation>
    </message>
    <message>
        <source>1 item&apos;s figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Les valeurs d’1 poste diffèrent de celles du fichier : voir « Contrôle ».</translation>
    </message>
    <message>
        <source>%1 items&apos; figures differ from those saved with the file: see &quot;Check&quot;.</source>
        <translation>Les valeurs de %1 postes diffèrent de celles du fichier : voir « Contrôle ».</translation>
    </message>
    <message>
        <source>The submittal could not be written.</source>
        <translation>Le dossier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source> submittal</source>
        <translation> dossier</translation>
    </message>
    <message>
        <source>Write the submittal</source>
        <translation>Écrire le dossier</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The job cannot be kept against a crash in %1.</source>
        <translation>Le projet ne peut pas être protégé contre un plantage dans %1.</translation>
    </message>
    <message>
        <source>Job items</source>
        <translation>Éléments du projet</translation>
    </message>
    <message>
        <source>Save it under another name?</source>
        <translation>Enregistrer sous un autre nom ?</translation>
    </message>
    <message>
        <source>Writing the submittal...</source>
        <translation>Écriture du dossier...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zorvik::TAdjustAirDriveForm</name>
    <message>
        <source>Air drive pressure is too low!</source>
        <translation>La pression motrice est trop basse !</translation>
    </message>
    <message>
        <source>Air drive pressure is too high!</source>
        <translation>La pression motrice est trop élevée !</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too low!</source>
        <translation>La pression d’entrée est trop basse !</translation>
    </message>
    <message>
        <source>Gas inlet pressure is too high!</source>
        <translation>La pression d’entrée est trop élevée !</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n’est pas un nombre valable</translation>
    </message>
</context>
<context>
    <name>zorvik::TAmplifierSelectionForm</name>
    <message>
        <source>C&amp;ompare...</source>
        <translation>C&amp;omparer...</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 à %2 %3</translation>
    </message>
    <message>
        <source>No selections</source>
        <translation>Aucun modèle</translation>
    </message>
    <message>
        <source>%1 is not a valid value!</source>
        <translation>%1 n’est pas une valeur valable !</translation>
    </message>
    <message>
        <source>No air amplifier selected...</source>
        <translation>Aucun amplificateur choisi...</translation>
    </message>
    <message>
        <source>No air pressure amplifier selected</source>
        <translation>Aucun amplificateur de pression choisi</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>la liste</translation>
    </message>
    <message>
        <source>No model is chosen in the list.<byte value="xd"/>Keep the duty in the job without a model?</source>
        <translation>Aucun modèle n’est choisi dans la liste.<byte value="xd"/>Garder le besoin dans le projet sans modèle ?</translation>
    </message>
    <message>
        <source>Continuous process</source>
        <translation>Procédé continu</translation>
    </message>
    <message>
        <source>Chooses the layout for a constant pressure source feeding a continuous process</source>
        <translation>Choisit l’agencement pour une source à pression constante alimentant un procédé continu</translation>
    </message>
    <message>
        <source>Vessel charging</source>
        <translation>Remplissage de réservoir</translation>
    </message>
    <message>
        <source>Chooses the layout for charging a vessel</source>
        <translation>Choisit l’agencement pour remplir un réservoir</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the vessel on the right</source>
        <translation>%1 : l’air moteur et l’entrée de gaz à gauche, le réservoir à droite</translation>
    </message>
    <message>
        <source>%1: the drive air and the gas inlet on the left, the outlet on the right</source>
        <translation>%1 : l’air moteur et l’entrée de gaz à gauche, la sortie à droite</translation>
    </message>
</context>
<context>
    <name>zorvik::TZampModelSelectionChartForm</name>
    <message>
        <source>The chart</source>
        <translation>le tableau</translation>
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
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Loading %1<byte value="xd"/>loading error.</source>
        <translation>Chargement de %1<byte value="xd"/>erreur de chargement.</translation>
    </message>
    <message>
        <source>The chosen office could not be saved in<byte value="xd"/>%1<byte value="xd"/>It will not be remembered at the next start.</source>
        <translation>Le bureau choisi n’a pas pu être enregistré dans<byte value="xd"/>%1<byte value="xd"/>Il ne sera pas repris au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Jobs</source>
        <translation>Pro&amp;jets</translation>
    </message>
    <message>
        <source>A customer&apos;s duties, kept in a job file and sent as one submittal</source>
        <translation>Les besoins d’un client, réunis dans un fichier de projet et envoyés en un seul dossier</translation>
    </message>
</context>
<context>
    <name>zorvik::TimageDisplayForm</name>
    <message>
        <source>The data sheet</source>
        <translation>la fiche technique</translation>
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
        <translation>%1 litre</translation>
    </message>
    <message>
        <source>( %1 cu. inch )</source>
        <translation>( %1 po³ )</translation>
    </message>
    <message>
        <source>less than %1 x pAir</source>
        <translation>moins de %1 x pAir</translation>
    </message>
</context>
<context>
    <name>zorvik::TzampGraph1Form</name>
    <message>
        <source>The data sheet</source>
        <translation>la fiche technique</translation>
    </message>
    <message>
        <source>Show &amp;Bar &amp;&amp; l/min</source>
        <translation>En &amp;bar et l/min</translation>
    </message>
    <message>
        <source>Sho&amp;w Psi &amp;&amp; Scfm</source>
        <translation>En psi et sc&amp;fm</translation>
    </message>
    <message>
        <source>Show &amp;Graph</source>
        <translation>Voir la co&amp;urbe</translation>
    </message>
    <message>
        <source>Show &amp;Drawing</source>
        <translation>Voir le &amp;plan</translation>
    </message>
    <message>
        <source>S&amp;how mm</source>
        <translation>E&amp;n mm</translation>
    </message>
    <message>
        <source>Show &amp;inches</source>
        <translation>En &amp;pouces</translation>
    </message>
    <message>
        <source>  Single acting</source>
        <translation>  Simple effet</translation>
    </message>
    <message>
        <source>  Single stage</source>
        <translation>  Un étage</translation>
    </message>
    <message>
        <source>  Double acting</source>
        <translation>  Double effet</translation>
    </message>
    <message>
        <source>  Two stage</source>
        <translation>  Deux étages</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
</context>
</TS>
