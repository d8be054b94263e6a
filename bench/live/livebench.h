#pragma once

// What the live benchmarks share: a LibreOffice of their own (private profile and pipe), a user who only
// listens, and the check that the LibreOffice they need is there.

#include "builder/form1.h"
#include "builder/stylecatalog.h"
#include "word/live/choosingprovider.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

#include <string>

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

// Calls registerOne(name, style) for each style of the catalogue, with the wizard's name ("Modernistic").
template <class Register> void forEachStyle(Register registerOne) {
    for (const StyleRow& row : styleCatalogue())
        registerOne(row.wizardName.toString().toStdString(), row.style);
}

enum class Needs { Writer, WriterWindows };
// True when the build's LibreOffice can do what the benchmark needs; otherwise the benchmark is skipped
// with the reason.
bool libreOfficeCan(benchmark::State& state, Needs needs);

} // namespace tavrin::bench
