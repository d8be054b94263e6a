#pragma once

// What the live benchmarks share: a LibreOffice of their own (private profile and pipe), a user who only
// listens, and the check that the LibreOffice they need is there.

#include "builder/form1.h"
#include "word/live/choosingprovider.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

namespace tavrin::bench {

class NoUserInterface : public UserInterface {
public:
    void messageBox(const QString& text) override { told.append(text); }
    void resetMousePointer() override {}
    QStringList told;
};

// The program's settings for the LibreOffice of the build, on the profile and pipe given.
word::live::ChooserSettings privateOffice(const QString& profile, const QString& pipe);
// A pipe name of this process's own, new on each call.
QString privatePipe(const char* purpose);

// Registers a benchmark for each of the six styles: REGISTER(name, style).
#define TAVRIN_FOR_EACH_STYLE(REGISTER)                                                                      \
    REGISTER(Simple, Style::Simple);                                                                         \
    REGISTER(Romantic, Style::Romantic);                                                                     \
    REGISTER(Dark, Style::Dark);                                                                             \
    REGISTER(Classic, Style::Classic);                                                                       \
    REGISTER(Elegant, Style::Elegant);                                                                       \
    REGISTER(Modernistic, Style::Modern)

enum class Needs { Writer, WriterWindows };
// True when the build's LibreOffice can do what the benchmark needs; otherwise the benchmark is skipped
// with the reason.
bool libreOfficeCan(benchmark::State& state, Needs needs);

} // namespace tavrin::bench
