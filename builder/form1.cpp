#include "form1.h"

namespace tavrin {

Form1::Form1(Services services) : services_(std::move(services)) {}

void Form1::Command1_Click() {}
void Form1::Command2_Click() {}
void Form1::Command3_Click() {}
void Form1::Command4_Click() {}
void Form1::Command5_Click() {}
void Form1::Command6_Click() {}
void Form1::Command7_Click() {}
void Form1::Command8_Click() {
    TemplateStyl();
}

void Form1::Sapolnenie(const WizardChoices& choices) {
    wizard_ = choices;
    Unload();
}

void Form1::MacrosAbsaz() {}

void Form1::Unload() {
    applicationRef.reset();
    documentRef.reset();
    rangeRef.reset();
    loaded_ = false;
}

} // namespace tavrin
