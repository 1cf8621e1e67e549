#pragma once

#include "Fonts.h"
#include "PrinterSurface.h"

#include <memory>

// Sends every printout of the program to a recording surface instead of a
// printer, with the fonts and unit start-up gives, and keeps the last one:
// `last` is the surface while the program prints on it, and what it recorded
// once the program is done with it.
struct RecordingPrinter {
    RecordingSurface *last = nullptr;
    int opened = 0;

    void install() {
        RegisterFontSubstitutions();
        PrinterSurface::SetUnitToInches();
        PrinterSurface::setFactory([this] {
            auto s = std::make_unique<Kept>(*this);
            last = s.get();
            ++opened;
            return std::unique_ptr<PrinterSurface>(std::move(s));
        });
    }

private:
    class Kept : public RecordingSurface {
    public:
        explicit Kept(RecordingPrinter &printer) : m_printer(printer) {}
        ~Kept() override {
            m_printer.m_kept = std::make_unique<RecordingSurface>();
            m_printer.m_kept->pieces = pieces;
            m_printer.m_kept->documents = documents;
            if (m_printer.last == this) m_printer.last = m_printer.m_kept.get();
        }

    private:
        RecordingPrinter &m_printer;
    };
    std::unique_ptr<RecordingSurface> m_kept;
};
