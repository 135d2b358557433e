// Writes the sample projects: veltra-make-samples PROGRAM_DIR SAMPLES_DIR
#include "sample_builder.h"

#include "core/modules/catalogue.h"
#include "core/modules/time_switch.h"
#include "core/persist/project_file_set.h"
#include "core/persist/signal_lists.h"
#include "core/persist/vtp_writer.h"
#include "core/util/cp1252.h"
#include "core/util/error.h"

#include <filesystem>
#include <iostream>
#include <memory>

using namespace veltra::core;
using veltra::samples::SampleBuilder;

namespace {

void curve(TCell& k, std::initializer_list<std::pair<double, double>> points) {
  int off = 0;
  for (auto [x, y] : points) {
    k.setF64(off, x);
    k.setF64(off + 8, y);
    off += 16;
  }
}

void controller(TCell& r, double pBand, double tn, double tv) {
  r.setF64(0, pBand);
  r.setF64(8, tn);
  r.setF64(16, tv);
}

void program(Project& p, int n, const char* nameUtf8, std::initializer_list<TSwitchPoint> points) {
  p.SignalDesc.at(SignalGroup::S, n)->assign(utf8ToCp1252(nameUtf8));
  for (const TSwitchPoint& pt : points)
    addSwitchPoint(p, n, pt);
}

TSwitchPoint at(int state, int mask, int hour, int minute) {
  TSwitchPoint pt{};
  pt.state = static_cast<std::uint8_t>(state);
  pt.mask = mask;
  pt.hour = hour;
  pt.minute = minute;
  return pt;
}

constexpr int kWorkdays = kMonday | kTuesday | kWednesday | kThursday | kFriday;

// A heating circuit: outdoor temperature through its heating curve as the
// setpoint of a PID controller, the flow temperature as actual value, the
// controller held in reset outside the time program, the pump on during the
// program or at frost.
void heatingCircuit(SampleBuilder& b, int loop, const char* titleUtf8, const char* hk, int programNo,
                    std::initializer_list<std::pair<double, double>> heatingCurve) {
  const std::string h = hk;
  b.loop(loop, 30,
         std::string(titleUtf8) + "\r\nVorlauftemperatur nach Aussentemperatur (Heizkurve),\r\n"
                                  "Pumpe nach Zeitprogramm mit Frostschutz.");
  b.signal('E', 0, 1, "Aussentemperatur");
  curve(b.place('K', 2, 1, "Heizkurve " + h), heatingCurve);
  b.signal('E', 0, 3, h + " Vorlauf");
  b.timeSwitch(0, 5, programNo, true);
  controller(b.place('R', 6, 1, "Regler " + h), 20.0, 240.0, 0.0);
  b.signal('A', 10, 1, h + " Mischventil");
  b.timeSwitch(0, 7, programNo);
  TCell& frost = b.place('Z', 4, 9, "Frostschutz");
  frost.setU8(0, 1); // on below the lower threshold
  frost.setF64(8, 2.0);
  frost.setF64(16, 4.0);
  b.place('O', 8, 6, "Pumpe Anf.");
  b.signal('Q', 10, 6, h + " Pumpe Ein");
  b.wire(0, 1, 2, 1);  // outdoor -> heating curve
  b.wire(2, 1, 6, 1);  // curve -> setpoint
  b.wire(0, 3, 6, 2);  // flow -> actual value
  b.wire(0, 5, 6, 3);  // program off -> reset
  b.wire(6, 1, 10, 1); // controller -> mixing valve
  b.wire(0, 7, 8, 6);  // program -> pump request
  b.wire(0, 1, 4, 9);  // outdoor -> frost protection
  b.wire(4, 9, 8, 7);  // frost -> pump request
  b.wire(8, 6, 10, 6); // request -> pump
  b.text(2, 0, "Heizkurve");
  b.text(10, 0, "Mischer", h);
  b.text(10, 8, "Umwälzpumpe");
}

void heatingPlant(Project& p) {
  SampleBuilder b(p);
  program(p, 1, "Schule Heizung",
          {at(1, kWorkdays, 5, 30), at(0, kWorkdays, 16, 30), at(1, kSaturday, 8, 0), at(0, kSaturday, 12, 0)});
  program(p, 2, "Turnhalle",
          {at(1, kWorkdays, 7, 0), at(0, kWorkdays, 22, 0), at(1, kSaturday | kSunday, 8, 0),
           at(0, kSaturday | kSunday, 18, 0)});
  program(p, 3, "Warmwasser", {at(1, kAllDays, 5, 0), at(0, kAllDays, 20, 0)});
  p.SignalDesc.at(SignalGroup::F, 1)->assign("Kessel max. Leistung");
  p.FWert[1] = 100.0;

  // Loop 1: boiler.
  b.loop(1, 10,
         "Kesselregelung\r\nKesselvorlauf nach der Heizkurve der Anlage, Leistung begrenzt,\r\n"
         "Freigabe nach dem Zeitprogramm der Schule.");
  b.signal('E', 0, 1, "Aussentemperatur");
  TCell& mean = b.place('D', 2, 1, "Aussentemp. Mittel");
  mean.setI32(0, 2);
  mean.setI32(4, 10);
  curve(b.place('K', 4, 1, "Heizkurve Anlage"), {{-15, 80}, {-5, 68}, {5, 55}, {15, 42}, {20, 35}});
  b.signal('E', 0, 4, "Kessel 1 Vorlauf");
  controller(b.place('R', 6, 3, "Kesselregler"), 15.0, 180.0, 30.0);
  b.timeSwitch(0, 6, 1, true);
  TCell& limit = b.place('G', 8, 3, "Leistung 0..max");
  limit.setF64(0, 0.0);
  limit.setF64(8, encodeLimitF(1));
  b.signal('A', 10, 3, "Kessel 1 Leistung");
  b.timeSwitch(0, 8, 1);
  b.signal('Q', 10, 8, "Kessel 1 Freigabe");
  b.signal('F', 4, 10, "Kessel max. Leistung").setF64(8, 100.0);
  b.wire(0, 1, 2, 1);
  b.wire(2, 1, 4, 1);
  b.wire(4, 1, 6, 3);
  b.wire(0, 4, 6, 4);
  b.wire(0, 6, 6, 5);
  b.wire(6, 3, 8, 3);
  b.wire(8, 3, 10, 3);
  b.wire(0, 8, 10, 8);
  b.text(4, 0, "Heizkurve");
  b.text(10, 2, "Brenner");
  b.text(6, 11, "Begrenzung auf F1");

  heatingCircuit(b, 2, "Heizkreis 1 Schulgebäude", "HK1", 1, {{-15, 70}, {-5, 58}, {5, 46}, {15, 34}, {20, 28}});
  heatingCircuit(b, 3, "Heizkreis 2 Turnhalle", "HK2", 2, {{-15, 60}, {-5, 50}, {5, 40}, {15, 30}, {20, 25}});

  // Loop 4: hot water.
  b.loop(4, 60,
         "Warmwasserbereitung\r\nSpeicherladung zwischen 50 und 55 °C im Zeitprogramm,\r\n"
         "Legionellenschaltung von Hand.");
  b.signal('E', 0, 1, "WW Speicher oben");
  TCell& charge = b.place('Z', 2, 1, "Ladung 50/55");
  charge.setU8(0, 1);
  charge.setF64(8, 50.0);
  charge.setF64(16, 55.0);
  b.timeSwitch(0, 3, 3);
  b.place('U', 4, 1, "Ladefreigabe");
  b.signal('Q', 6, 1, "WW Ladepumpe Ein");
  b.signal('I', 0, 7, "WW Legionellen Taste");
  b.place('P', 2, 7, "Legionellen 1 h").setI32(4, 36000);
  b.signal('Q', 4, 7, "WW Elektroheizstab");
  b.wire(0, 1, 2, 1);
  b.wire(2, 1, 4, 1);
  b.wire(0, 3, 4, 2);
  b.wire(4, 1, 6, 1);
  b.wire(0, 7, 2, 7);
  b.wire(2, 7, 4, 7);
  b.text(6, 0, "Ladepumpe");

  // Loop 5: fault messages.
  b.loop(5, 10, "Störmeldungen\r\nSammelstörung und Hupe bei Störung von Kessel oder Pumpen.");
  b.signal('I', 0, 1, "Kessel 1 Störung");
  b.signal('I', 0, 3, "HK1 Pumpe Störung");
  b.signal('I', 0, 5, "HK2 Pumpe Störung");
  b.place('O', 2, 1, "Störung");
  TCell& delay = b.place('T', 4, 1, "Verzögerung");
  delay.setI32(8, 10);
  delay.setI32(12, 0);
  b.signal('Q', 6, 1, "Sammelstörung");
  b.signal('Q', 6, 4, "Hupe Heizraum");
  b.wire(0, 1, 2, 1);
  b.wire(0, 3, 2, 2);
  b.wire(0, 5, 2, 3);
  b.wire(2, 1, 4, 1);
  b.wire(4, 1, 6, 1);
  b.wire(4, 1, 6, 4);

  TProjectData& d = p.ProjectData;
  d = TProjectData{};
  d.projectName.assign(utf8ToCp1252("Grundschule Am Lindenhof, Heizzentrale"));
  d.designation.assign("GS-Lindenhof HZ");
  d.engineer.assign("M. Berger");
  d.date.assign("12.03.2026");
  d.customer.assign("Stadt Musterhausen, Hochbauamt");
  d.street.assign(utf8ToCp1252("Lindenstraße 12"));
  d.postalCode.assign("12345");
  d.town.assign("Musterhausen");
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: veltra-make-samples PROGRAMMORDNER BEISPIELORDNER\n";
    return 64;
  }
  try {
    auto p = std::make_unique<Project>();
    p->InitRKreise(readSignalDefaults(argv[1]));
    heatingPlant(*p);
    p->CurrentLoop = 1;
    const std::filesystem::path dir = std::filesystem::path(argv[2]) / "heizung";
    std::filesystem::create_directories(dir);
    saveProject(*p, dir / "heizung.vtr");
    saveProjectData(p->ProjectData, dir / "heizung.vtp");
  } catch (const Error& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
