#!/usr/bin/env python3
"""Writes the help texts of the program folder (data/help/): one file per
module letter, "modA.hlp" .. "modZ.hlp", and one per tool code, "mod0.hlp"
(connect), "mod1.hlp" (disconnect), "mod2.hlp" (move), "mod7.hlp" (free
text), "mod9.hlp" (block delete), "mod+.hlp" (data entry) and "mod#.hlp"
(delete module). The help panel shows them as they are.

The files are code page 1252 with CR LF line ends, like every text file of
the program folder. Paragraphs are wrapped to fit the help panel. Port rows,
parameter names and defaults follow the module catalogue
(src/core/modules/catalogue.h); tests/tools/help_files_test.cpp checks them
against it. Run this script again after changing a text; the output is
committed."""

import os
import sys
import textwrap

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "help")
WIDTH = 56

KEYS = [
    "Tasten über dem Raster (Mauszeiger auf der Zelle):",
    "A bis Z setzen das Modul dieses Buchstabens, 0, 1, 2, 7 und 9 wenden das Werkzeug an.",
    "F1 zeigt die Hilfe zum Modul unter dem Mauszeiger.",
    "F2 öffnet die Dateneingabe des Moduls.",
    "F3 löscht das Modul (mit Rückfrage).",
    "Esc bricht eine Verbindung oder ein Verschieben ab.",
    "Entf leert den ganzen Regelkreis ohne Rückfrage!",
]


def wrap(text, indent=""):
    return textwrap.wrap(text, WIDTH, subsequent_indent=indent, break_long_words=False,
                         break_on_hyphens=False) or [""]


def paragraph(text):
    return wrap(text)


def item(text):
    """A list line; continuation lines are indented."""
    return wrap(text, "    ")


def module(letter, title, what, ports, params, hints):
    lines = [f"Modul {letter}: {title}", ""]
    for p in what:
        lines += paragraph(p) + [""]
    lines.append("Anschlüsse (X analog, Y digital):")
    for row, kind, text in ports:
        lines += item(f"Zeile {row}  {kind:<6} {text}")
    lines.append("")
    if params:
        lines.append("Parameter:")
        for name, default, text in params:
            lines += item(f"{name}: Vorgabe {default}" + (f" – {text}" if text else ""))
    else:
        lines.append("Parameter: keine.")
    for h in hints:
        lines += [""] + paragraph("Hinweis: " + h)
    return lines


def tool(title, steps, notes):
    lines = [title, ""]
    for s in steps:
        lines += item(s if s[0].isdigit() else "- " + s)
    for n in notes:
        lines += [""] + paragraph(n)
    lines += [""]
    for k in KEYS:
        lines += item(k)
    return lines


COLUMNS = {
    "edge": "Das Modul darf in jeder Spalte stehen (1 bis 15).",
    "left": "Das Modul darf in den Spalten 1 bis 14 stehen; rechts daneben bleibt Platz für die Leitungen.",
    "inner": "Das Modul darf in den Spalten 2 bis 14 stehen, damit links und rechts Platz für die Leitungen bleibt.",
}

SIGNAL = "Signalnummer"
INV_ZERO = "0 (aus)"


MODULES = {
    "A": module("A", "analoger Ausgang (Ausgang)", [
        "Gibt einen Analogwert an einen physikalischen Analogausgang des Reglers aus, zum Beispiel "
        "das Stellsignal eines Mischventils im Heizkreis, die Drehzahl eines Ventilators über den "
        "Frequenzumformer oder die Stellung einer Luftklappe.",
        "Der Eingangswert wird mit Skalierfaktor und Offset auf den Bereich des Ausgangs umgerechnet. "
        "Das Symbol zeigt die Nummer des Ausgangs.",
    ], [
        (1, "In X", "Wert, der ausgegeben wird"),
        (1, "Out X", "derselbe Wert zum Weiterverwenden"),
    ], [
        (SIGNAL, "1", "Ausgang A 1 bis A 256; die Beschreibung aus der Liste wird Modultext"),
        ("Skalierfaktor", "1.0", "Faktor für den Eingangswert"),
        ("Offset", "0.0", "Verschiebung des Eingangswerts"),
    ], [
        "Jeder Ausgang darf im ganzen Projekt nur von einem Modul A mit beschaltetem Eingang "
        "geschrieben werden. \"Tabelle erzeugen\" prüft das und markiert doppelte Ausgänge rot.",
        COLUMNS["edge"],
    ]),
    "B": module("B", "Berechnung", [
        "Verknüpft zwei Analogwerte mit einer Rechenart: +, -, *, /, Min oder Max (Liste "
        "\"BItems.txt\"). Das Ergebnis wird mit dem Skalierfaktor multipliziert.",
        "Beispiele: die Spreizung zwischen Vorlauf und Rücklauf (-), der höhere von zwei "
        "Sollwertanforderungen (Max) oder eine Leistung aus Durchfluss und Temperaturdifferenz (*).",
    ], [
        (1, "In X", "erster Wert (In1)"),
        (1, "Out X", "Ergebnis"),
        (2, "In X", "zweiter Wert (In2)"),
    ], [
        ("Funktion", "0", "Rechenart, 0 = + (Zeile der Liste \"BItems.txt\")"),
        ("Skalierfaktor", "1.0", "Faktor für das Ergebnis"),
    ], [
        "Bei - und / kommt es auf die Reihenfolge an: In1 steht vorn, In2 hinten. Einen festen "
        "Wert liefert ein Modul F.",
        COLUMNS["inner"],
    ]),
    "C": module("C", "Cascade (Sequenz)", [
        "Teilt einen Analogwert auf drei Ausgänge auf. Jeder Ausgang folgt einer Geraden "
        "(Sequenz 1 bis 3) von einem Startpunkt (x, y) zu einem Endpunkt (x, y); x ist der "
        "Eingangswert, y der Ausgangswert.",
        "Typisch ist die Sequenzregelung einer Lüftungsanlage: ein Regler liefert -200 bis 200, "
        "daraus werden Kühlventil, Wärmerückgewinnung und Heizventil nacheinander angesteuert.",
    ], [
        (1, "In X", "Eingangswert, meist die Stellgröße eines Reglers R"),
        (1, "Out X", "Sequenz 1 (Out1)"),
        (2, "Out X", "Sequenz 2 (Out2)"),
        (3, "Out X", "Sequenz 3 (Out3)"),
    ], [
        ("Sequenz 1 Start x", "-200", ""),
        ("Sequenz 1 Start y", "-200", ""),
        ("Sequenz 1 Ende x", "-100", ""),
        ("Sequenz 1 Ende y", "-100", ""),
        ("Sequenz 2 Start x", "-100", ""),
        ("Sequenz 2 Start y", "-100", ""),
        ("Sequenz 2 Ende x", "100", ""),
        ("Sequenz 2 Ende y", "100", ""),
        ("Sequenz 3 Start x", "100", ""),
        ("Sequenz 3 Start y", "100", ""),
        ("Sequenz 3 Ende x", "200", ""),
        ("Sequenz 3 Ende y", "200", ""),
    ], [
        "Für eine Sequenz, die von 0 auf 100 % öffnet, setzt man y beim Start auf 0 und beim "
        "Ende auf 100; die Abschnitte von x schließen dann lückenlos aneinander an.",
        COLUMNS["inner"],
    ]),
    "D": module("D", "Durchschnitt (Mittelwert)", [
        "Bildet aus den letzten Werten seines Eingangs das Minimum, das Maximum oder den "
        "Mittelwert (Liste \"DItems.txt\"). Alle \"Abtastzeit\" Sekunden wird ein neuer Wert "
        "aufgenommen; betrachtet werden die letzten \"Anzahl\" Werte.",
        "Beispiel: die gedämpfte Außentemperatur für die Heizkurve als Mittel über mehrere "
        "Stunden, oder die tiefste Raumtemperatur der letzten Stunde.",
    ], [
        (1, "In X", "Messwert"),
        (1, "Out X", "Minimum, Maximum oder Mittelwert"),
    ], [
        ("Funktion", "0", "0 = Min, 1 = Max, 2 = Mittel"),
        ("Anzahl", "2", "Zahl der Werte, 1 bis 50"),
        ("Abtastzeit", "60", "Sekunden zwischen zwei Werten"),
    ], [
        "Das betrachtete Zeitfenster ist Anzahl mal Abtastzeit: 48 Werte im Abstand von 1800 s "
        "ergeben 24 Stunden.",
        COLUMNS["inner"],
    ]),
    "E": module("E", "analoger Eingang (Eingang)", [
        "Liest einen physikalischen Analogeingang des Reglers, also einen Fühler oder Geber: "
        "Außentemperatur, Vorlauf- und Rücklauftemperatur, Raumtemperatur, Luftfeuchte, Druck "
        "oder CO2-Gehalt.",
        "Der gemessene Wert wird mit Skalierfaktor und Offset umgerechnet, etwa von 0 bis 10 V "
        "auf 0 bis 100 % oder zur Korrektur eines Fühlers. Das Symbol zeigt die Nummer des Eingangs.",
    ], [
        (1, "Out X", "Messwert"),
    ], [
        (SIGNAL, "1", "Eingang E 1 bis E 256; die Beschreibung aus der Liste wird Modultext"),
        ("Skalierfaktor", "1.0", "Faktor für den Messwert"),
        ("Offset", "0.0", "Verschiebung des Messwerts, z. B. Fühlerkorrektur in °C"),
    ], [
        "Ein Eingang darf in beliebig vielen Regelkreisen gelesen werden. Wo er überall benutzt "
        "wird, zeigt die Querverweisliste (Dokumentation, Querverweis).",
        COLUMNS["left"],
    ]),
    "F": module("F", "Festwert (Konstante)", [
        "Liefert den Wert einer Konstanten F 1 bis F 256, zum Beispiel einen Raumsollwert von "
        "21.0 °C, eine Frostschutzgrenze oder einen Mindestwert für ein Ventil.",
        "Alle Module F mit derselben Nummer teilen sich einen Wert: wird er in einem Modul "
        "geändert, zeigen ihn alle anderen auch. Im Debug-Betrieb lässt er sich im laufenden "
        "Regler ändern; das Projekt behält dabei seinen Wert. Das Symbol zeigt Nummer und Wert.",
    ], [
        (1, "Out X", "Wert der Konstanten"),
    ], [
        ("Konstantennummer", "1", "F 1 bis F 256"),
        ("Wert", "0.0", "der Wert der Konstanten; ein neues Modul übernimmt den Wert, den die Nummer schon hat"),
    ], [
        "Die Grenzen eines Moduls G und die Schaltschwellen eines Moduls Z können direkt auf eine "
        "Konstante verweisen, ohne Leitung.",
        COLUMNS["left"],
    ]),
    "G": module("G", "Grenzwert (Begrenzung)", [
        "Begrenzt einen Analogwert nach unten und oben: was unter dem Minimum liegt, wird zum "
        "Minimum, was über dem Maximum liegt, zum Maximum.",
        "Beispiel: der berechnete Vorlaufsollwert einer Heizkurve wird auf 20 bis 75 °C "
        "begrenzt, die Stellgröße einer Klappe auf eine Mindestaußenluftrate.",
    ], [
        (1, "In X", "Wert"),
        (1, "Out X", "begrenzter Wert"),
    ], [
        ("Minimum", "-100", "Untergrenze: eine Zahl oder ein Verweis auf F oder H"),
        ("Maximum", "100", "Obergrenze: eine Zahl oder ein Verweis auf F oder H"),
    ], [
        "Im Dialog wählt man für jede Grenze \"Zahl\", \"F\" oder \"H\". Mit F oder H folgt die "
        "Grenze einer Konstanten oder einem Hilfssignal und kann so auch im Betrieb verstellt werden.",
        COLUMNS["inner"],
    ]),
    "H": module("H", "Hilfssignal analog", [
        "Steht für das analoge Hilfssignal H 1 bis H 256. Der Eingang schreibt das Hilfssignal, "
        "der Ausgang liefert es weiter. So gelangt ein Wert von einem Regelkreis in einen "
        "anderen, ohne Leitung über die Grenze des Regelkreises.",
        "Beispiel: der Regelkreis der Heizkurve schreibt den Vorlaufsollwert in H 1; die "
        "Regelkreise der Heizkreise lesen ihn aus einem Modul H 1.",
    ], [
        (1, "In X", "Wert, der in das Hilfssignal geschrieben wird"),
        (1, "Out X", "Wert des Hilfssignals"),
    ], [
        (SIGNAL, "1", "H 1 bis H 256"),
    ], [
        "Jedes Hilfssignal sollte nur an einer Stelle beschrieben werden. Die Grenzen von G und "
        "die Schwellen von Z können auf ein Hilfssignal verweisen.",
        COLUMNS["edge"],
    ]),
    "I": module("I", "Digitaleingang", [
        "Liest einen physikalischen Digitaleingang des Reglers: Störmeldung einer Pumpe, "
        "Frostschutzthermostat, Betriebsmeldung eines Kessels, Fensterkontakt oder "
        "Anforderung per Schalter.",
        "Mit \"Invertierung\" wird der Eingang umgekehrt gelesen, etwa bei einem Öffner-Kontakt; "
        "das Symbol zeigt dann einen Kreis am Ausgang. Das Symbol zeigt die Nummer des Eingangs.",
    ], [
        (1, "Out Y", "Zustand des Eingangs"),
    ], [
        (SIGNAL, "1", "Eingang I 1 bis I 256; die Beschreibung aus der Liste wird Modultext"),
        ("Invertierung", INV_ZERO, "1 = Eingang invertiert"),
    ], [
        "Ein Modul I ohne beschalteten Ausgang wird nicht in die Modultabelle übernommen.",
        COLUMNS["left"],
    ]),
    "J": module("J", "Klappe/Zähler", [
        "Steuert einen Stellantrieb ohne Stellungsrückmeldung, etwa eine Luftklappe oder ein "
        "Mischventil mit Auf-/Zu-Motor, oder zählt Ereignisse. Die Funktion wird aus der Liste "
        "\"JItems.txt\" gewählt.",
        "Aus Soll- und Istwert bildet das Modul die Befehle Auf und Zu für den Motor; die "
        "Laufzeit ist die Zeit des Antriebs von ganz zu bis ganz auf.",
    ], [
        (1, "In X", "Sollwert (Soll), z. B. Stellgröße eines Reglers"),
        (1, "Out Y", "Befehl Auf an den Motor (Aus+)"),
        (2, "In X", "Istwert (Ist)"),
        (2, "Out Y", "Befehl Zu an den Motor (Aus-)"),
        (3, "In Y", "Eingang Auf (Ein+)"),
        (3, "Out X", "Analogwert des Moduls (Out)"),
        (4, "In Y", "Eingang Zu (Ein-)"),
        (5, "In Y", "Rücksetzen (Reset)"),
    ], [
        ("Funktion", "0", "Zeile der Liste \"JItems.txt\""),
        ("Laufzeit [s]", "100", "im Dialog \"LaufZeit/Vergleich\""),
        ("Dauer Auf", "10.0", "im Dialog \"max. Diff\""),
        ("Dauer Zu", "-10.0", "im Dialog \"Abtastzeit [s]\""),
    ], [
        "Die Bedeutung der Parameter hängt von der gewählten Funktion ab; die Beschriftungen "
        "im Dialog nennen sie für die Klappenfunktion.",
        COLUMNS["inner"],
    ]),
    "K": module("K", "Kennlinie", [
        "Rechnet einen Analogwert über eine Kennlinie aus fünf Punkten (x, y) um; zwischen den "
        "Punkten wird geradlinig interpoliert.",
        "Das klassische Beispiel ist die Heizkurve: x ist die (gedämpfte) Außentemperatur, y der "
        "Vorlaufsollwert, etwa -15 °C -> 70 °C bis 20 °C -> 25 °C. Auch Fühlerkennlinien und "
        "Ventilkennlinien lassen sich so nachbilden.",
    ], [
        (1, "In X", "x-Wert"),
        (1, "Out X", "y-Wert der Kennlinie"),
    ], [
        ("Punkt 1 x", "-200", ""),
        ("Punkt 1 y", "-200", ""),
        ("Punkt 2 x", "-100", ""),
        ("Punkt 2 y", "-100", ""),
        ("Punkt 3 x", "0", ""),
        ("Punkt 3 y", "0", ""),
        ("Punkt 4 x", "100", ""),
        ("Punkt 4 y", "100", ""),
        ("Punkt 5 x", "200", ""),
        ("Punkt 5 y", "200", ""),
    ], [
        "Die x-Werte werden aufsteigend eingetragen, Punkt 1 mit dem kleinsten x.",
        COLUMNS["inner"],
    ]),
    "L": module("L", "Vergleich", [
        "Vergleicht zwei Analogwerte und meldet das Ergebnis als Digitalsignal. Die Art des "
        "Vergleichs wird aus der Liste \"LItems.txt\" gewählt.",
        "Beispiele: Außentemperatur kleiner als Heizgrenze, Rücklauftemperatur größer als "
        "Vorlauftemperatur, Raumtemperatur über dem Sollwert.",
    ], [
        (1, "In X", "erster Wert (In1)"),
        (1, "Out Y", "Ergebnis des Vergleichs"),
        (2, "In X", "zweiter Wert (In2)"),
    ], [
        ("Funktion", "0", "Art des Vergleichs, Zeile der Liste \"LItems.txt\""),
        ("Invertierung", INV_ZERO, "1 = Ergebnis umgekehrt; das Symbol zeigt einen Kreis am Ausgang"),
    ], [
        "Für einen Vergleich mit Schaltdifferenz (Hysterese) ist das Modul Z besser geeignet.",
        COLUMNS["inner"],
    ]),
    "M": module("M", "Merker digital", [
        "Steht für den digitalen Merker M 1 bis M 256. Der Eingang setzt den Merker, der "
        "Ausgang liefert ihn. Merker geben Zustände an andere Regelkreise weiter, etwa "
        "\"Anlage Ein\", \"Sommerbetrieb\" oder eine Sammelstörung.",
        "Mit \"Invertierung\" wird der Merker umgekehrt weitergegeben; das Symbol zeigt dann einen "
        "Kreis am Ausgang. Das Symbol zeigt die Nummer des Merkers.",
    ], [
        (1, "In Y", "Zustand, der in den Merker geschrieben wird"),
        (1, "Out Y", "Zustand des Merkers"),
    ], [
        (SIGNAL, "1", "Merker M 1 bis M 256"),
        ("Invertierung", INV_ZERO, "1 = invertiert"),
    ], [
        "Jeder Merker sollte nur an einer Stelle geschrieben werden.",
        COLUMNS["edge"],
    ]),
    "N": module("N", "Nockenschaltwerk", [
        "Schaltet vier Digitalausgänge nacheinander, wenn ein Analogwert die Punkte 1 bis 4 "
        "überschreitet; unter dem Punkt abzüglich der Hysterese schaltet der Ausgang wieder ab.",
        "Typisch für Stufen: mehrstufige Kessel oder Elektroheizregister, Kältemaschinen, "
        "Ventilatoren mit mehreren Drehzahlen, angesteuert von der Stellgröße eines Reglers.",
    ], [
        (1, "In X", "Eingangswert, z. B. Stellgröße 0 bis 100 %"),
        (1, "Out Y", "Stufe 1 (Out1)"),
        (2, "Out Y", "Stufe 2 (Out2)"),
        (3, "Out Y", "Stufe 3 (Out3)"),
        (4, "Out Y", "Stufe 4 (Out4)"),
    ], [
        ("Punkt 1", "20", "Schaltpunkt der Stufe 1"),
        ("Punkt 2", "40", "Schaltpunkt der Stufe 2"),
        ("Punkt 3", "60", "Schaltpunkt der Stufe 3"),
        ("Punkt 4", "80", "Schaltpunkt der Stufe 4"),
        ("Hysterese", "2.0", "Schaltdifferenz für alle Stufen"),
    ], [
        "Die Punkte werden aufsteigend eingetragen; die Hysterese sollte kleiner sein als der "
        "Abstand zweier Punkte.",
        COLUMNS["inner"],
    ]),
    "O": module("O", "Oder-Verknüpfung (logisches Oder)", [
        "Der Ausgang ist ein, wenn mindestens einer der drei Eingänge ein ist. Beispiel: "
        "Sammelstörung aus mehreren Störmeldungen, Anlage ein durch Schaltuhr oder Handschalter.",
        "Mit \"Ausgang invers\" wird daraus ein Nicht-Oder; das Symbol zeigt dann einen Kreis am "
        "Ausgang.",
    ], [
        (1, "In Y", "Eingang 1 (In1)"),
        (1, "Out Y", "Ergebnis"),
        (2, "In Y", "Eingang 2 (In2)"),
        (3, "In Y", "Eingang 3 (In3)"),
    ], [
        ("Ausgang invers", INV_ZERO, "1 = Ergebnis umgekehrt"),
    ], [
        "Ein Modul O ohne beschalteten Ausgang wird nicht in die Modultabelle übernommen.",
        COLUMNS["inner"],
    ]),
    "P": module("P", "Puls", [
        "Gibt bei einem Signal am Eingang einen Puls der eingestellten Dauer aus, etwa einen "
        "Quittier- oder Startimpuls für ein Aggregat.",
        "Mit \"Ausgang invers\" wird der Puls umgekehrt ausgegeben; das Symbol zeigt dann einen "
        "Kreis am Ausgang.",
    ], [
        (1, "In Y", "Auslöser"),
        (1, "Out Y", "Puls"),
    ], [
        ("Ausgang invers", INV_ZERO, "1 = Ausgang umgekehrt"),
        ("Dauer", "0", "Pulsdauer; der Dialog gibt dazu den Hinweis \"*100 ms\""),
    ], [
        "Die Dauer steht bei einem neuen Modul auf 0 und muss eingetragen werden.",
        COLUMNS["inner"],
    ]),
    "Q": module("Q", "digitaler Ausgang", [
        "Schaltet einen physikalischen Digitalausgang des Reglers: Pumpe, Brenner, Ventilator, "
        "Freigabe einer Kältemaschine oder eine Meldeleuchte.",
        "Mit \"Ausgang invers\" wird der Ausgang umgekehrt geschaltet; das Symbol zeigt dann einen "
        "Kreis am Ausgang. Das Symbol zeigt die Nummer des Ausgangs.",
    ], [
        (1, "In Y", "Schaltbefehl"),
        (1, "Out Y", "derselbe Zustand zum Weiterverwenden"),
    ], [
        (SIGNAL, "1", "Ausgang Q 1 bis Q 256; die Beschreibung aus der Liste wird Modultext"),
        ("Ausgang invers", INV_ZERO, "1 = Ausgang umgekehrt"),
    ], [
        "Jeder Ausgang darf im ganzen Projekt nur von einem Modul Q mit beschaltetem Eingang "
        "geschaltet werden. \"Tabelle erzeugen\" prüft das und markiert doppelte Ausgänge rot.",
        COLUMNS["edge"],
    ]),
    "R": module("R", "PID-Regler (Regler)", [
        "Regelt eine Größe auf ihren Sollwert: die Vorlauftemperatur eines Heizkreises über "
        "das Mischventil, die Zulufttemperatur einer Lüftungsanlage über Heizregister und "
        "Kühler, einen Kanaldruck über die Ventilatordrehzahl.",
        "Der Ausgang ist die Stellgröße; sie führt zu einem analogen Ausgang A, zu einer "
        "Sequenz C, zu einem Nockenschaltwerk N oder zu einer Klappe J.",
    ], [
        (1, "In X", "Sollwert (Soll)"),
        (1, "Out X", "Stellgröße"),
        (2, "In X", "Istwert (Ist)"),
        (3, "In Y", "Rücksetzen (Reset), z. B. wenn die Anlage aus ist"),
    ], [
        ("P-Band", "10.0", "Proportionalbereich (im Dialog \"P-Band (100)\")"),
        ("Nachstellzeit [s]", "200.0", "Tn, Anteil I"),
        ("Vorhaltezeit [s]", "50.0", "Tv, Anteil D; 0 schaltet ihn ab"),
        ("Verstärkung", "1.0", ""),
    ], [
        "Den Rücksetzeingang mit dem Betriebszustand der Anlage beschalten, damit der Regler "
        "nach dem Einschalten nicht mit einer aufgelaufenen Stellgröße beginnt.",
        COLUMNS["inner"],
    ]),
    "S": module("S", "Schaltuhr (Schaltsignal)", [
        "Liefert den Zustand eines Schaltuhrprogramms (1 bis 32) als Digitalsignal: Nutzungszeiten "
        "eines Gebäudes, Absenkbetrieb der Heizung, Betriebszeiten einer Lüftungsanlage.",
        "Die Schaltpunkte werden im Dialog des Moduls bearbeitet. Mit \"Invertierung\" wird der "
        "Zustand umgekehrt; das Symbol zeigt dann einen Kreis am Ausgang.",
    ], [
        (1, "Out Y", "Zustand des Schaltuhrprogramms"),
    ], [
        (SIGNAL, "1", "Nummer des Schaltuhrprogramms, 1 bis 32"),
        ("Invertierung", INV_ZERO, "1 = Zustand umgekehrt"),
    ], [
        "Mehrere Module S dürfen dasselbe Programm verwenden. \"SUhr\" holt im Debug-Betrieb die "
        "Programme aus dem Regler.",
        COLUMNS["left"],
    ]),
    "T": module("T", "Timer", [
        "Zeitfunktionen für Digitalsignale, gewählt aus der Liste \"TItems.txt\": Wischer, "
        "Blinker, Impulse oder PWM. Beispiele: Pumpennachlauf, Blinklicht einer Störmeldung, "
        "ein taktendes Ventil.",
        "Parameter 1 und 2 sind Zeiten in Sekunden, ihre Bedeutung hängt von der Funktion ab. "
        "Mit \"Ausgang invers\" zeigt das Symbol einen Kreis am Ausgang.",
    ], [
        (1, "In Y", "Auslöser bzw. Freigabe"),
        (1, "Out Y", "Ausgang der Zeitfunktion"),
    ], [
        ("Funktion", "0", "0 = Wischer, 1 = Blinker, 2 = Impulse, 3 = PWM"),
        ("Ausgang invers", INV_ZERO, "1 = Ausgang umgekehrt"),
        ("Parameter 1", "100", "Sekunden"),
        ("Parameter 2", "100", "Sekunden"),
    ], [
        COLUMNS["inner"],
    ]),
    "U": module("U", "Und-Verknüpfung (logisches Und)", [
        "Der Ausgang ist ein, wenn alle beschalteten Eingänge ein sind. Beispiel: Pumpe ein, "
        "wenn Anforderung und Freigabe vorliegen und keine Störung ansteht.",
        "Mit \"Ausgang invers\" wird daraus ein Nicht-Und; das Symbol zeigt dann einen Kreis am "
        "Ausgang.",
    ], [
        (1, "In Y", "Eingang 1 (In1)"),
        (1, "Out Y", "Ergebnis"),
        (2, "In Y", "Eingang 2 (In2)"),
        (3, "In Y", "Eingang 3 (In3)"),
    ], [
        ("Ausgang invers", INV_ZERO, "1 = Ergebnis umgekehrt"),
    ], [
        "Ein Modul U ohne beschalteten Ausgang wird nicht in die Modultabelle übernommen.",
        COLUMNS["inner"],
    ]),
    "V": module("V", "Variable", [
        "Liefert die interne Variable V 1 bis V 9216 des Reglers als Analogwert, mit Skalierfaktor "
        "und Offset umgerechnet. Variablen sind Werte, die der Regler selbst oder die "
        "Leittechnik bereitstellt, etwa Zählerstände oder Sollwerte aus der Gebäudeleittechnik.",
        "Das Symbol zeigt die Nummer der Variablen.",
    ], [
        (1, "Out X", "Wert der Variablen"),
    ], [
        (SIGNAL, "1", "Variable V 1 bis V 9216; die Beschreibung aus der Liste wird Modultext"),
        ("Skalierfaktor", "1.0", ""),
        ("Offset", "0.0", ""),
    ], [
        COLUMNS["left"],
    ]),
    "W": module("W", "Restwärme (Heizungsoptimierung)", [
        "Optimiert die Heizzeiten eines Gebäudes: vor der Nutzungszeit der Schaltuhr heizt es so "
        "früh wie nötig auf, vor ihrem Ende schaltet es so früh wie möglich ab und nutzt die "
        "Restwärme. Dazu wertet es Raum- und Außentemperatur aus.",
        "Die Heizfaktoren geben an, wie viele Minuten je Kelvin im Quadrat das Gebäude zum "
        "Aufheizen bzw. Auskühlen braucht.",
    ], [
        (1, "In X", "Raumtemperatur (RaumTemp)"),
        (1, "Out Y", "Nutzungszeit, Gebäude belegt (Belegt)"),
        (2, "In X", "Außentemperatur (AussenTemp)"),
        (2, "Out Y", "Aufheizen läuft (AufHeiz)"),
        (3, "In X", "Raumsollwert (RaumSoll)"),
        (3, "Out Y", "Heizung ein (Out)"),
        (4, "In X", "Absenkung"),
        (4, "Out Y", "Stopp (Stop)"),
        (5, "In Y", "digitaler Zusatzeingang (im Ausdruck ohne Namen)"),
    ], [
        ("Schaltuhr - Kanal", "1", "Nummer des Schaltuhrprogramms (0 bis 32)"),
        ("Heizfaktor Ein", "5.0", "min/°C², Einschalten"),
        ("Kühlfaktor Ein", "0.0", "min/°C²; der Dialog setzt ihn auf 0"),
        ("Heizfaktor Aus", "100.0", "min/°C², Ausschalten"),
        ("Kühlfaktor Aus", "0.0", "min/°C²; der Dialog setzt ihn auf 0"),
        ("Gewichtung", "10.0", "Prozent"),
        ("min. Einzeit", "20", "Minuten (im Dialog \"Mindestzeit\" unter Einschalten)"),
        ("min. Auszeit", "20", "Minuten (im Dialog \"Mindestzeit\" unter Ausschalten)"),
        ("max. Opt.-Zeit", "240", "Minuten, längste Vorverlegung"),
        ("Auslegung min", "-10.0 °C", "Auslegungstemperatur, unterer Wert"),
        ("Auslegung max", "30.0 °C", "Auslegungstemperatur, oberer Wert"),
        ("Komfort", "2.0 °C", "Komfortbereich um den Raumsollwert"),
    ], [
        "Die Temperaturen werden im Dialog in °C eingegeben; gespeichert werden sie in "
        "Hundertstel Grad.",
        COLUMNS["inner"],
    ]),
    "X": module("X", "Exklusiv-Oder-Verknüpfung", [
        "Der Ausgang ist ein, wenn genau einer der beiden Eingänge ein ist. Beispiel: "
        "Rückmeldung und Befehl einer Pumpe stimmen nicht überein (Laufüberwachung).",
        "Mit \"Ausgang invers\" meldet der Ausgang Gleichheit; das Symbol zeigt dann einen Kreis "
        "am Ausgang.",
    ], [
        (1, "In Y", "Eingang 1 (In1)"),
        (1, "Out Y", "Ergebnis"),
        (2, "In Y", "Eingang 2 (In2)"),
    ], [
        ("Ausgang invers", INV_ZERO, "1 = Ergebnis umgekehrt"),
    ], [
        "Ein Modul X ohne beschalteten Ausgang wird nicht in die Modultabelle übernommen.",
        COLUMNS["inner"],
    ]),
    "Y": module("Y", "Analogumschalter (Auswahl)", [
        "Gibt je nach Digitalsignal den einen oder den anderen Analogwert weiter. Beispiel: "
        "Komfort- oder Absenksollwert je nach Schaltuhr, Sommer- oder Wintersollwert der "
        "Lüftung.",
    ], [
        (1, "In X", "erster Wert (In1)"),
        (1, "Out X", "ausgewählter Wert"),
        (2, "In X", "zweiter Wert (In2)"),
        (3, "In Y", "Auswahl (Sel)"),
    ], [], [
        COLUMNS["inner"],
    ]),
    "Z": module("Z", "Zweipunkt", [
        "Schaltet einen Digitalausgang abhängig von einem Analogwert mit zwei Schwellen: "
        "erreicht der Wert die Einschaltschwelle, wird der Ausgang ein, erreicht er die "
        "Ausschaltschwelle, wird er aus. Der Abstand der Schwellen ist die Schaltdifferenz.",
        "Beispiele: Frostschutz, Speicherladung, Sommer-/Winterumschaltung, "
        "Kesselfolgeschaltung.",
    ], [
        (1, "In X", "Wert"),
        (1, "Out Y", "Schaltzustand"),
    ], [
        ("Invertierung", INV_ZERO, "1 = Ausgang umgekehrt; das Symbol zeigt einen Kreis am Ausgang"),
        ("Einschaltschwelle", "55.0", "eine Zahl oder ein Verweis auf F oder H"),
        ("Ausschaltschwelle", "45.0", "eine Zahl oder ein Verweis auf F oder H"),
    ], [
        "Liegt die Einschaltschwelle über der Ausschaltschwelle, schaltet das Modul bei "
        "steigendem Wert ein (Beispiel Kühlung); umgekehrt bei fallendem Wert (Beispiel Heizung).",
        COLUMNS["inner"],
    ]),
}

TOOLS = {
    "0": tool("Werkzeug 0: Verbinden", [
        "1. Auf den Ausgang eines Moduls klicken: die rechte Seite der Zeile, an der der Ausgang "
        "sitzt (Pfeil rechts am Symbol).",
        "2. Eine rote Linie folgt dem Mauszeiger.",
        "3. Auf einen freien Eingang eines anderen Moduls klicken (Pfeil links am Symbol). Die "
        "Verbindung entsteht bei der nächsten Mausbewegung; die Leitung wird selbst verlegt.",
    ], [
        "Analoge Ausgänge (X, rot) lassen sich nur mit analogen Eingängen verbinden, digitale (Y, "
        "schwarz) nur mit digitalen. Ein Klick auf einen belegten Eingang oder einen Eingang der "
        "anderen Art bricht ab; ein Klick auf eine leere Zelle lässt die Linie stehen.",
        "Ein Ausgang kann bis zu 20 Eingänge speisen: einfach noch einmal von demselben Ausgang "
        "aus verbinden. Je Regelkreis gibt es 100 analoge und 100 digitale Verbindungen.",
    ]),
    "1": tool("Werkzeug 1: Verbindung lösen", [
        "Klick in die linke Hälfte einer Zelle: löst nach Rückfrage die Verbindungen der Eingänge "
        "dieser Zeile.",
        "Klick in die rechte Hälfte einer Zelle: löscht nach Rückfrage die Verbindung des "
        "Ausgangs dieser Zeile mit allen ihren Zielen.",
    ], [
        "Die Module bleiben stehen; nur die Leitungen verschwinden.",
    ]),
    "2": tool("Werkzeug 2: Verschieben", [
        "Mit gedrückter linker Maustaste auf ein Modul zeigen und es ziehen; die oberste Zelle des "
        "Moduls folgt dem Mauszeiger.",
        "Loslassen der Taste beendet das Verschieben.",
    ], [
        "Die Verbindungen wandern mit, die Leitungen werden neu verlegt. Auf belegte Zellen oder "
        "über den unteren Rand hinaus lässt sich ein Modul nicht schieben.",
        "Beim Verschieben gelten die Abstandsregeln des Setzens nicht: bitte selbst eine Spalte "
        "zwischen den Modulen frei lassen, damit die Leitungen Platz haben. Freie Texte bleiben an "
        "ihrer Zelle.",
    ]),
    "7": tool("Werkzeug 7: Freier Text", [
        "Auf eine Zelle klicken: der Dialog \"Text\" öffnet sich mit drei Zeilen.",
        "Text eintragen und mit \"Ok\" übernehmen; er erscheint oben links in der Zelle.",
        "Ein Klick auf eine Zelle mit Text zeigt ihn zum Ändern. \"Del\" leert die Felder, \"Ok\" "
        "entfernt den Text dann.",
    ], [
        "Das Zeichen | trennt Zeilen und sollte im Text nicht vorkommen. Texte werden nur "
        "gezeichnet, wenn unter Datei, Einstellungen \"Texte anzeigen\" eingeschaltet ist. Sie "
        "gehören zur Zelle und wandern nicht mit den Modulen.",
    ]),
    "9": tool("Werkzeug 9: Bereich löschen", [
        "1. Auf die erste Ecke des Bereichs klicken; die Zelle wird schraffiert.",
        "2. Auf die gegenüberliegende Ecke klicken; der ganze Bereich wird schraffiert.",
        "3. Die Frage \"Bereich löschen?\" mit Ja beantworten.",
    ], [
        "Gelöscht wird jedes Modul, dessen oberste Zelle im Bereich liegt, ganz und mit seinen "
        "Verbindungen. Ein Modul, das oberhalb des Bereichs beginnt, bleibt stehen.",
    ]),
    "+": tool("Werkzeug +: Dateneingabe", [
        "Auf ein Modul klicken (auf eine beliebige Zeile): der Dialog mit seinen Parametern öffnet "
        "sich. \"Ok\" übernimmt die Werte.",
    ], [
        "F2 öffnet denselben Dialog für das Modul unter dem Mauszeiger, ohne das Werkzeug zu "
        "wechseln.",
        "Im Debug-Betrieb öffnet der Klick auf ein Modul A, E, F oder H statt des Dialogs das "
        "Fenster \"Wert ändern\", auf ein Modul I, M, Q oder S das Fenster \"Bit ändern\". Die "
        "Änderung gilt nur im laufenden Regler, nicht im Projekt.",
    ]),
    "#": tool("Werkzeug #: Modul löschen", [
        "Auf ein Modul klicken und die Frage \"Modul löschen?\" mit Ja beantworten.",
    ], [
        "Das Modul verschwindet mit allen Verbindungen an seinen Eingängen und Ausgängen. F3 löscht "
        "das Modul unter dem Mauszeiger auf dieselbe Weise.",
    ]),
}


def write(code, lines):
    text = "".join(line.rstrip() + "\r\n" for line in lines)
    path = os.path.join(OUT, f"mod{code}.hlp")
    with open(path, "wb") as f:
        f.write(text.encode("cp1252"))


def main():
    os.makedirs(OUT, exist_ok=True)
    for code, lines in {**MODULES, **TOOLS}.items():
        for line in lines:
            if len(line) > WIDTH + 4:
                sys.exit(f"mod{code}.hlp: line too long: {line}")
        write(code, lines)


if __name__ == "__main__":
    main()
