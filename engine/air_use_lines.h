#pragma once
// Lines of constant drive air use of models 1-4 and 15, read off their
// measured performance charts. Each line has an air use (scfm), a pressure
// step s (psi) and eleven outlet flows (scfm) at outlet pressures 0, s .. 10s;
// a flow of 0 marks a pressure where the line has no point. Line 1 is the
// highest air use.

#include <span>

namespace zorvik {

struct AirUseLine {
    int PumpNo;
    int Line;
    double AirUseScfm;
    double StepPsi;
    double FlowScfm[11];
};

// The line of a model, or nullptr when the pair is not in the table.
const AirUseLine* FindAirUseLine(int pumpNo, int line);

// The lines of a model, line 1 first; empty for models without lines.
std::span<const AirUseLine> AirUseLinesOf(int pumpNo);

// Number of lines of a model: 4 for models 1-3, 5 for model 4, 6 for model
// 15, 0 for the others.
int AirUseLineCount(int pumpNo);

}  // namespace zorvik
