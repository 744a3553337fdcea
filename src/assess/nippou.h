#pragma once
// The one-page day report on paper (or PDF): header, rate graph beside the rate table,
// the advice and the energy balance, all scaled to fit one A4 page.

#include "b_nippou.h"

class QPrinter;

namespace mirte {

// Sets the printer up for the report: A4 portrait, 15 mm margins.
void setupNippouPrinter(QPrinter &printer);
// Paints the report on one page of `printer`, set up by the caller. False when the printer
// cannot start.
bool printNippou(QPrinter &printer, const NippouData &data);
// The font family with Japanese glyphs the report is set in.
QString nippouFontFamily();

} // namespace mirte
