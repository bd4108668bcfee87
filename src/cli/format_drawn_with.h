#pragma once

#include <string>

#include "probe/drawn_fonts.h"

class JsonWriter;

// `status`'s section on the fonts that really draw Bengali, in plain words.
std::wstring FormatDrawnWithText(const DrawnWith& drawn);

// The same as the value of "drawnWith" in `status --json`.
void WriteDrawnWithJson(JsonWriter& json, const DrawnWith& drawn);
