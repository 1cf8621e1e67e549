#pragma once

#include "Fonts.h"
#include "PrinterSurface.h"

#include <memory>

// Sends every printout of the program to a recording surface instead of a
// printer, with the fonts and unit start-up gives, and keeps the last one.
struct RecordingPrinter {
    RecordingSurface *last = nullptr;
    int opened = 0;

    void install() {
        RegisterFontSubstitutions();
        PrinterSurface::SetUnitToInches();
        PrinterSurface::setFactory([this] {
            auto s = std::make_unique<RecordingSurface>();
            last = s.get();
            ++opened;
            return std::unique_ptr<PrinterSurface>(std::move(s));
        });
    }
};
