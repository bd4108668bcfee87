#include "platform/win32_create_font.h"

#include <algorithm>

#include "platform/twips.h"

unique_hfont CreateRegularFont(std::wstring_view face, int height, BYTE charset) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    face = face.substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return unique_hfont(CreateFontIndirectW(&font));
}

unique_hfont CreateTrebuchetFont(int hundredthsOfPoint, int dpi) {
    return CreateRegularFont(kTrebuchetMs, -PointsToPixels(hundredthsOfPoint, dpi), ANSI_CHARSET);
}
