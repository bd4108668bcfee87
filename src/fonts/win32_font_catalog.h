#pragma once

#include "fonts/font_catalog.h"

// The families GDI knows on the screen's device context.
class Win32FontCatalog final : public FontCatalog {
public:
    std::optional<std::vector<mFontEnum::WcRange>> Coverage(std::wstring_view family) override;
};
