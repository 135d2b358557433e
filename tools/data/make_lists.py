#!/usr/bin/env python3
"""Writes the installation lists of the program folder (data/program/):
signal name lists, function item lists, error texts and the default VTR.INI.

The files are code page 1252 with CR LF line ends, as the program reads them.
Run it again after changing a list here; the output is committed."""

import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "program")
MAX = 21


def write(name, lines):
    for line in lines:
        if len(line) > MAX and name.endswith("Signale.txt"):
            sys.exit(f"{name}: '{line}' is longer than {MAX} characters")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def heating_circuits(n, items):
    return [f"HK{k} {item}" for k in range(1, n + 1) for item in items]


def analog_inputs():
    lines = ["Aussentemperatur", "Aussentemp. gedämpft", "Aussenfeuchte", "Windgeschwindigkeit",
             "Globalstrahlung"]
    for k in range(1, 4):
        lines += [f"Kessel {k} Vorlauf", f"Kessel {k} Rücklauf", f"Kessel {k} Abgas"]
    lines += ["Sammler Vorlauf", "Sammler Rücklauf", "Verteiler Vorlauf", "Verteiler Diff.-Druck"]
    lines += heating_circuits(6, ["Vorlauf", "Rücklauf", "Raumtemperatur"])
    lines += ["WW Speicher oben", "WW Speicher unten", "WW Zirkulation", "WW Vorlauf Ladung"]
    for k in range(1, 5):
        lines += [f"RLT{k} Aussenluft", f"RLT{k} Zuluft", f"RLT{k} Abluft", f"RLT{k} Fortluft",
                  f"RLT{k} Zuluftfeuchte", f"RLT{k} Abluftfeuchte", f"RLT{k} Frostschutz",
                  f"RLT{k} Druck Zuluft", f"RLT{k} Druck Abluft", f"RLT{k} CO2 Abluft"]
    for floor in ["UG", "EG", "1.OG", "2.OG", "3.OG", "4.OG"]:
        lines += [f"Raum {floor} Nord", f"Raum {floor} Süd"]
    lines += ["Kältemaschine Vorlauf", "Kältemaschine Rückl.", "Kaltwasser Vorlauf", "Kaltwasser Rücklauf",
              "Solar Kollektor", "Solar Speicher", "Fernwärme Vorlauf", "Fernwärme Rücklauf",
              "Wärmezähler Leistung", "Gaszähler Durchfluss"]
    return lines


def analog_outputs():
    lines = []
    for k in range(1, 4):
        lines += [f"Kessel {k} Leistung", f"Kessel {k} Rückl.-Anh."]
    lines += heating_circuits(6, ["Mischventil", "Pumpe Drehzahl"])
    lines += ["WW Ladeventil", "WW Ladepumpe Drehz."]
    for k in range(1, 5):
        lines += [f"RLT{k} Klappe AUL", f"RLT{k} Ventil Erhitzer", f"RLT{k} Ventil Kühler",
                  f"RLT{k} Ventilator ZUL", f"RLT{k} Ventilator ABL", f"RLT{k} Befeuchter",
                  f"RLT{k} WRG Bypass"]
    lines += ["Kältemaschine Sollw.", "Fernwärme Ventil", "Solar Pumpe Drehzahl"]
    return lines


def digital_inputs():
    lines = ["Sommerbetrieb", "Handbetrieb Anlage", "Not-Aus Heizraum", "Gasalarm Heizraum"]
    for k in range(1, 4):
        lines += [f"Kessel {k} Störung", f"Kessel {k} Betrieb", f"Kessel {k} STB ausgel."]
    lines += heating_circuits(6, ["Pumpe Betrieb", "Pumpe Störung"])
    lines += ["WW Ladepumpe Betrieb", "WW Zirkpumpe Betrieb", "WW Legionellen Taste"]
    for k in range(1, 5):
        lines += [f"RLT{k} Frostwächter", f"RLT{k} Filter ZUL", f"RLT{k} Filter ABL",
                  f"RLT{k} Keilriemen ZUL", f"RLT{k} Keilriemen ABL", f"RLT{k} Rep.-Schalter",
                  f"RLT{k} Brandschutzkl.", f"RLT{k} Betrieb ZUL", f"RLT{k} Betrieb ABL"]
    lines += ["Kältemaschine Stör.", "Kältemaschine Betr.", "Druckhaltung Störung", "Wassermangel",
              "Neutralisation Stör.", "Hebeanlage Störung"]
    return lines


def digital_outputs():
    lines = ["Sammelstörung", "Hupe Heizraum"]
    for k in range(1, 4):
        lines += [f"Kessel {k} Freigabe", f"Kessel {k} Stufe 2", f"Kessel {k} Absperrkl."]
    lines += heating_circuits(6, ["Pumpe Ein", "Mischer Auf", "Mischer Zu"])
    lines += ["WW Ladepumpe Ein", "WW Zirkpumpe Ein", "WW Elektroheizstab"]
    for k in range(1, 5):
        lines += [f"RLT{k} Ventilator ZUL", f"RLT{k} Ventilator ABL", f"RLT{k} Stufe 2",
                  f"RLT{k} Klappe AUL auf", f"RLT{k} Pumpe Erhitzer", f"RLT{k} Pumpe Kühler",
                  f"RLT{k} Störmeldung"]
    lines += ["Kältemaschine Frg.", "Kaltwasserpumpe Ein", "Solar Pumpe Ein"]
    return lines


def internal_variables():
    lines = ["Aussentemp. Mittel", "Heizgrenze erreicht", "Anlage Nachtbetrieb"]
    lines += heating_circuits(6, ["VL Sollwert", "VL Soll Tag", "VL Soll Nacht", "Heizkurve Steig.",
                                  "Raum Sollwert", "Reglerausgang"])
    for k in range(1, 4):
        lines += [f"Kessel {k} Sollwert", f"Kessel {k} Betr.-Std.", f"Kessel {k} Starts"]
    lines += ["Sammler Sollwert", "WW Sollwert", "WW Legionellen Soll"]
    for k in range(1, 5):
        lines += [f"RLT{k} Zuluft Sollwert", f"RLT{k} Raumluft Soll", f"RLT{k} Regler Heizen",
                  f"RLT{k} Regler Kühlen", f"RLT{k} Feuchte Soll", f"RLT{k} Betr.-Std."]
    return lines


def main():
    os.makedirs(OUT, exist_ok=True)
    write("ESignale.txt", analog_inputs())
    write("ASignale.txt", analog_outputs())
    write("ISignale.txt", digital_inputs())
    write("QSignale.txt", digital_outputs())
    write("VSignale.txt", internal_variables())
    write("BItems.txt", ["+", "-", "*", "/", "Min", "Max"])
    write("DItems.txt", ["Min", "Max", "Mittel"])
    write("TItems.txt", ["Wischer", "Blinker", "Impulse", "PWM"])
    write("LItems.txt", ["In1 > In2", "In1 < In2", "In1 >= In2", "In1 <= In2", "In1 = In2", "In1 <> In2"])
    write("JItems.txt", ["Klappe 3-Punkt", "Impulszähler", "Betriebsstundenzähler", "Laufzeitvergleich"])
    write("Fehlertexte.txt", [
        "Kein Fehler",
        "Modul ohne Eingangsverbindung",
        "Modul ohne Ausgangsverbindung",
        "Signalnummer ausserhalb des Bereichs",
        "Konstante ausserhalb des Bereichs",
        "Parameter ausserhalb des Bereichs",
        "Verbindung nicht verlegbar",
        "Schaltuhrkanal ausserhalb des Bereichs",
        "Arbeitsspeicher überschritten",
        "Modultabelle zu gross",
        "Ausgang mehrfach belegt",
    ])
    write("VTR.INI", [
        "[VERZEICHNISSE]",
        "Projekt=VTRProjekte",
        "Design=Standard",
        "Library=VTRLibrary",
        "Messdaten=VTRMess",
        "",
        "[SETTINGS]",
        "Datenspeicher=262144",
        "",
        "[TOOLTIPS]",
        "Beschreibung=true",
        "Parameter=true",
        "Querverweis=true",
        "",
        "[GRAPHIK]",
        "Texte=true",
    ])


if __name__ == "__main__":
    main()
