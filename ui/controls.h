// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#pragma once

#include <cstdint>
#include <iterator>
#include <string>

#include "core/fault.h"
#include "present/handlers.h"
#include "present/sections.h"
#include "present/view.h"

// The window's 80 controls as plain data: the window is built by one loop over kControls, and
// the tests check the built widgets against the same rows.
namespace ostrel::ui {

// Positions and sizes are in twips; at 96 dots per inch 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 12540;
inline constexpr int kClientHeight = 10320;

enum class Kind { Frame, Label, TextBox, Button, Option };

inline constexpr int kNotInArray = -1;

using Click = Fault (Handlers::*)();
using IndexedClick = Fault (Handlers::*)(std::int16_t);

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct Control {
  const char* name;
  int index;  // Index within a control array, or kNotInArray
  Kind kind;
  const char* caption;        // empty for text boxes and caption-less frames
  const char* container;      // the enclosing frame's name; nullptr for the window's client area
  Twips rect;                 // relative to the container's outer rectangle
  Box box;                    // text box: the box itself; label: the box it names
  Group group;                // option: its group
  Click click;                // button outside an array
  IndexedClick indexedClick;  // member of a button or option array
};

namespace rows {

constexpr Control Frame(const char* name, const char* caption, const char* container, Twips r) {
  return {name, kNotInArray, Kind::Frame, caption, container, r, Box{}, Group{}, nullptr, nullptr};
}
constexpr Control Label(const char* name, int index, const char* caption, Box names,
                        const char* container, Twips r) {
  return {name, index, Kind::Label, caption, container, r, names, Group{}, nullptr, nullptr};
}
constexpr Control Label(const char* name, const char* caption, Box names, const char* container,
                        Twips r) {
  return Label(name, kNotInArray, caption, names, container, r);
}
constexpr Control TextBox(const char* name, Box box, const char* container, Twips r) {
  return {name, kNotInArray, Kind::TextBox, "", container, r, box, Group{}, nullptr, nullptr};
}
constexpr Control Button(const char* name, const char* caption, Click click, const char* container,
                         Twips r) {
  return {name, kNotInArray, Kind::Button, caption, container, r, Box{}, Group{}, click, nullptr};
}
constexpr Control Button(const char* name, int index, const char* caption, IndexedClick click,
                         const char* container, Twips r) {
  return {name, index, Kind::Button, caption, container, r, Box{}, Group{}, nullptr, click};
}
constexpr Control Option(const char* name, Group group, int index, const char* caption,
                         IndexedClick click, const char* container, Twips r) {
  return {name, index, Kind::Option, caption, container, r, Box{}, group, nullptr, click};
}

}  // namespace rows

// Containers come before their contents, so one pass can parent every control.
inline constexpr Control kControls[] = {
    rows::Frame("Frame1", kSections[0].caption, nullptr, {120, 120, 10335, 2175}),
    rows::Frame("Frame2", kSections[1].caption, nullptr, {120, 2400, 10335, 1455}),
    rows::Frame("Frame3", kSections[2].caption, nullptr, {120, 3960, 10335, 1575}),
    rows::Frame("Frame4", kSections[3].caption, nullptr, {120, 5640, 10335, 2415}),
    rows::Frame("Frame5", kSections[4].caption, nullptr, {120, 8160, 10335, 2055}),
    rows::Frame("Frame6", kSections[5].caption, nullptr, {10560, 120, 1815, 10095}),
    rows::Frame("Frame7", "", "Frame6", {120, 1800, 1575, 4695}),
    rows::Frame("Frame8", "", "Frame6", {120, 6480, 1575, 3495}),

    rows::TextBox("txtOEL", Box::txtOEL, "Frame1", {120, 480, 1215, 495}),
    rows::Label("Label1", "OEL", Box::txtOEL, "Frame1", {1440, 600, 855, 375}),
    rows::TextBox("txtTEL", Box::txtTEL, "Frame1", {120, 1320, 1215, 495}),
    rows::Label("Label2", "TEL", Box::txtTEL, "Frame1", {1440, 1440, 855, 375}),
    rows::Button("cmdCalc", "Calc ->", &Handlers::cmdCalc_Click, "Frame1", {2160, 600, 1575, 855}),
    rows::TextBox("txtGasketThickness", Box::txtGasketThickness, "Frame1", {4200, 240, 1215, 495}),
    rows::Label("Label3", "Gasket thickness", Box::txtGasketThickness, "Frame1",
                {4200, 840, 1455, 375}),
    rows::TextBox("txtInnerShortEdge", Box::txtInnerShortEdge, "Frame1", {4200, 1200, 1215, 495}),
    rows::Label("Label5", 0, "Gasket inner short edge", Box::txtInnerShortEdge, "Frame1",
                {4200, 1800, 1935, 255}),
    rows::TextBox("txtOctahedronWaist", Box::txtOctahedronWaist, "Frame1", {6360, 240, 1335, 495}),
    rows::Label("Label13", "Octahedron waist", Box::txtOctahedronWaist, "Frame1",
                {6240, 840, 1695, 255}),
    rows::TextBox("txtInnerLongEdge", Box::txtInnerLongEdge, "Frame1", {6360, 1200, 1335, 495}),
    rows::Label("Label5", 1, "Gasket inner long edge", Box::txtInnerLongEdge, "Frame1",
                {6360, 1800, 2175, 255}),
    rows::TextBox("txtOctahedronVolume", Box::txtOctahedronVolume, "Frame1",
                  {8400, 480, 1215, 615}),
    rows::Label("Label8", "Octahedron volume", Box::txtOctahedronVolume, "Frame1",
                {8400, 1200, 1095, 495}),

    rows::TextBox("txtGasketWidth", Box::txtGasketWidth, "Frame2", {120, 480, 1215, 495}),
    rows::Label("Label4", "Gasket Width", Box::txtGasketWidth, "Frame2", {120, 960, 1215, 255}),
    rows::Button("cmdOuterCalc", "Calc ->", &Handlers::cmdOuterCalc_Click, "Frame2",
                 {2160, 360, 1575, 855}),
    rows::TextBox("txtOuterShortEdge", Box::txtOuterShortEdge, "Frame2", {4200, 360, 1215, 615}),
    rows::Label("Label6", "Gasket outer short edge", Box::txtOuterShortEdge, "Frame2",
                {4080, 1080, 1935, 255}),
    rows::TextBox("txtOuterLongEdge", Box::txtOuterLongEdge, "Frame2", {6360, 360, 1335, 615}),
    rows::Label("Label7", "Gasket outer long edge", Box::txtOuterLongEdge, "Frame2",
                {6360, 1080, 1695, 255}),
    rows::TextBox("txtGasketVolume", Box::txtGasketVolume, "Frame2", {8400, 240, 1215, 615}),
    rows::Label("label9", "Total gasket volume", Box::txtGasketVolume, "Frame2",
                {8400, 840, 1215, 375}),

    rows::TextBox("txtHoleDiameter", Box::txtHoleDiameter, "Frame3", {120, 600, 1215, 495}),
    rows::Label("Label10", "Hole diameter", Box::txtHoleDiameter, "Frame3", {120, 1080, 1335, 255}),
    rows::Button("cmdHole", "Calc ->", &Handlers::cmdHole_Click, "Frame3", {2160, 360, 1575, 855}),
    rows::TextBox("txtHoleLength", Box::txtHoleLength, "Frame3", {4200, 360, 1215, 615}),
    rows::Label("Label12", "Hole Length", Box::txtHoleLength, "Frame3", {4200, 1080, 1335, 255}),
    rows::TextBox("txtHoleVolume", Box::txtHoleVolume, "Frame3", {8400, 360, 1335, 615}),
    rows::Label("Label11", "Hole Volume", Box::txtHoleVolume, "Frame3", {8400, 1080, 1215, 375}),

    rows::TextBox("txtTCCentralDepth", Box::txtTCCentralDepth, "Frame4", {240, 240, 1215, 615}),
    rows::Label("Label14", "Central Depth", Box::txtTCCentralDepth, "Frame4",
                {240, 840, 1215, 255}),
    rows::TextBox("txtTCEdgePosition", Box::txtTCEdgePosition, "Frame4", {240, 1200, 1215, 615}),
    rows::Label("Label15", "TC position on octahedron edge", Box::txtTCEdgePosition, "Frame4",
                {240, 1920, 1335, 375}),
    rows::Button("cmdTCCalc", "Calc ->", &Handlers::cmdTCCalc_Click, "Frame4",
                 {2280, 840, 1455, 855}),
    rows::TextBox("txtRakeAngle", Box::txtRakeAngle, "Frame4", {4200, 840, 1335, 615}),
    rows::Label("Label16", "Rake Angle", Box::txtRakeAngle, "Frame4", {4200, 1440, 1095, 255}),
    rows::TextBox("txtSpreadAngle", Box::txtSpreadAngle, "Frame4", {6360, 840, 1335, 615}),
    rows::Label("Label17", "Spread Angle", Box::txtSpreadAngle, "Frame4", {6360, 1440, 1095, 255}),
    rows::Option("optDistanceUnits", Group::optDistanceUnits, 0, "Millimeters",
                 &Handlers::optDistanceUnits_Click, "Frame4", {8400, 480, 1455, 375}),
    rows::Option("optDistanceUnits", Group::optDistanceUnits, 1, "Inches",
                 &Handlers::optDistanceUnits_Click, "Frame4", {8400, 840, 1455, 375}),

    rows::TextBox("txtCubeSize", Box::txtCubeSize, "Frame5", {240, 240, 1215, 615}),
    rows::Label("Label18", "Cube size", Box::txtCubeSize, "Frame5", {240, 840, 855, 255}),
    rows::TextBox("txtTapeThickness", Box::txtTapeThickness, "Frame5", {240, 1080, 1215, 615}),
    rows::Label("Label19", "Tape thickness", Box::txtTapeThickness, "Frame5",
                {240, 1680, 1695, 255}),
    rows::Button("cmdPaperAndTape", "Calc ->", &Handlers::cmdPaperAndTape_Click, "Frame5",
                 {2280, 600, 1455, 735}),
    rows::TextBox("txtModifiedGasketThickness", Box::txtModifiedGasketThickness, "Frame5",
                  {4200, 240, 1335, 615}),
    rows::Label("Label20", "Modified gasket thickness", Box::txtModifiedGasketThickness, "Frame5",
                {4200, 960, 1935, 255}),
    rows::TextBox("txtPaperWidth", Box::txtPaperWidth, "Frame5", {6840, 240, 1455, 615}),
    rows::Label("Label21", "Paper Width", Box::txtPaperWidth, "Frame5", {6840, 840, 1095, 255}),
    rows::TextBox("txtPaperHole", Box::txtPaperHole, "Frame5", {6840, 1080, 1455, 615}),
    rows::Label("Label22", "Paper hole width", Box::txtPaperHole, "Frame5",
                {6840, 1680, 1695, 255}),

    rows::Button("cmdWhichPress", 0, "Big Blue", &Handlers::cmdWhichPress_Click, "Frame6",
                 {120, 600, 1575, 255}),
    rows::Button("cmdWhichPress", 1, "Red, Blue, Green", &Handlers::cmdWhichPress_Click, "Frame6",
                 {120, 840, 1575, 255}),
    rows::Button("cmdWhichPress", 2, "Rockland", &Handlers::cmdWhichPress_Click, "Frame6",
                 {120, 1080, 1575, 255}),
    rows::Button("cmdWhichPress", 3, "Sumitomo at Dorvik", &Handlers::cmdWhichPress_Click, "Frame6",
                 {120, 1320, 1575, 255}),

    rows::TextBox("txtRamDiameter", Box::txtRamDiameter, "Frame7", {120, 240, 1335, 735}),
    rows::Label("Label23", "Ram diameter", Box::txtRamDiameter, "Frame7", {120, 960, 1455, 255}),
    rows::TextBox("txtOilPressure", Box::txtOilPressure, "Frame7", {120, 1440, 1335, 735}),
    rows::Label("Label24", "Oil Pressure", Box::txtOilPressure, "Frame7", {120, 2160, 975, 375}),
    rows::Option("optOilPressureUnits", Group::optOilPressureUnits, 0, "MPa",
                 &Handlers::optOilPressureUnits_Click, "Frame7", {240, 2520, 1215, 375}),
    rows::Option("optOilPressureUnits", Group::optOilPressureUnits, 1, "bars",
                 &Handlers::optOilPressureUnits_Click, "Frame7", {240, 2880, 1215, 375}),
    rows::Option("optOilPressureUnits", Group::optOilPressureUnits, 2, "psi",
                 &Handlers::optOilPressureUnits_Click, "Frame7", {240, 3240, 1215, 375}),
    rows::Button("cmdRam", "Calc =>", &Handlers::cmdRam_Click, "Frame7", {120, 3720, 1335, 735}),

    rows::TextBox("txtForce", Box::txtForce, "Frame8", {120, 240, 1335, 495}),
    rows::Label("Label28", "Force", Box::txtForce, "Frame8", {120, 720, 855, 255}),
    rows::Option("optForceUnits", Group::optForceUnits, 0, "kN", &Handlers::optForceUnits_Click,
                 "Frame8", {240, 1080, 975, 255}),
    rows::Option("optForceUnits", Group::optForceUnits, 1, "Metric tons",
                 &Handlers::optForceUnits_Click, "Frame8", {240, 1440, 1215, 255}),
    rows::Option("optForceUnits", Group::optForceUnits, 2, "US tons",
                 &Handlers::optForceUnits_Click, "Frame8", {240, 1800, 1215, 255}),
    rows::TextBox("txtTheoreticalPressure", Box::txtTheoreticalPressure, "Frame8",
                  {120, 2280, 1335, 615}),
    rows::Label("Label27", "Theoretical pressure (GPa)", Box::txtTheoreticalPressure, "Frame8",
                {120, 2880, 1215, 495}),
};
inline constexpr int kControlCount = static_cast<int>(std::size(kControls));
static_assert(kControlCount == 80);

// A control named as in the table: its name and, for an array member, its Index.
struct ControlRef {
  const char* name;
  int index;
};

// The 45 controls that take the keyboard focus, in Tab order.
inline constexpr ControlRef kTabOrder[] = {
    {"txtOctahedronWaist", kNotInArray},
    {"txtInnerLongEdge", kNotInArray},
    {"txtInnerShortEdge", kNotInArray},
    {"cmdCalc", kNotInArray},
    {"txtGasketThickness", kNotInArray},
    {"txtTEL", kNotInArray},
    {"txtOEL", kNotInArray},
    {"txtOuterLongEdge", kNotInArray},
    {"cmdOuterCalc", kNotInArray},
    {"txtOuterShortEdge", kNotInArray},
    {"txtGasketWidth", kNotInArray},
    {"txtHoleLength", kNotInArray},
    {"cmdHole", kNotInArray},
    {"txtHoleDiameter", kNotInArray},
    {"txtOctahedronVolume", kNotInArray},
    {"txtHoleVolume", kNotInArray},
    {"txtGasketVolume", kNotInArray},
    {"txtTCCentralDepth", kNotInArray},
    {"txtTCEdgePosition", kNotInArray},
    {"cmdTCCalc", kNotInArray},
    {"txtRakeAngle", kNotInArray},
    {"txtSpreadAngle", kNotInArray},
    {"txtCubeSize", kNotInArray},
    {"txtTapeThickness", kNotInArray},
    {"cmdPaperAndTape", kNotInArray},
    {"txtModifiedGasketThickness", kNotInArray},
    {"txtPaperWidth", kNotInArray},
    {"txtPaperHole", kNotInArray},
    {"optDistanceUnits", 0},
    {"optDistanceUnits", 1},
    {"optOilPressureUnits", 2},
    {"optOilPressureUnits", 1},
    {"optOilPressureUnits", 0},
    {"txtOilPressure", kNotInArray},
    {"optForceUnits", 2},
    {"optForceUnits", 1},
    {"optForceUnits", 0},
    {"txtForce", kNotInArray},
    {"txtRamDiameter", kNotInArray},
    {"cmdRam", kNotInArray},
    {"txtTheoreticalPressure", kNotInArray},
    {"cmdWhichPress", 3},
    {"cmdWhichPress", 2},
    {"cmdWhichPress", 1},
    {"cmdWhichPress", 0},
};
static_assert(std::size(kTabOrder) == 45);

// The widget's object name: the table name, with "_<Index>" for an array member
// ("cmdWhichPress_3").
inline std::string ObjectName(const char* name, int index) {
  return index == kNotInArray ? std::string(name) : std::string(name) + '_' + std::to_string(index);
}
inline std::string ObjectName(const Control& c) {
  return ObjectName(c.name, c.index);
}
inline std::string ObjectName(const ControlRef& r) {
  return ObjectName(r.name, r.index);
}

}  // namespace ostrel::ui
