#pragma once

// The letter wizard: eight pages in one rectangle, a side bar of steps, and Cancel, Back, Next and
// Finish. The visible page is the current one; the controls themselves hold all the wizard's state.

#include "builder/wizardchoices.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tavrin {

class SideBar;
class StepMarker;
class StepTarget;
class WizardHost;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    static constexpr int PageCount = 8;

    // The marker colours: the current step, a step before or after it, and steps 0 and 7 when not current.
    static inline const QColor CurrentStepColour{81, 245, 73};
    static inline const QColor OtherStepColour{193, 185, 183};
    static inline const QColor FirstStepColour{137, 133, 129};
    static inline const QColor LastStepColour{255, 0, 0};
    static inline const QColor FormColour{209, 207, 192};
    static inline const QColor SideBarColour{0, 32, 96};

    explicit FrmMain(WizardHost& host, QWidget* parent = nullptr);

    // Run by the host when it loads and unloads the wizard.
    void Form_Load();
    void Form_Unload();

    // Everything the letter is built from, read from the controls now.
    WizardChoices choices() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildSideBar();
    void buildPages();
    void buildButtons();
    void buildLayoutPage(QWidget* page);
    void buildLetterheadPage(QWidget* page);
    void buildSalutationPage(QWidget* page);
    void buildSampleTextPage(QWidget* page);
    void buildConclusionPage(QWidget* page);
    void buildClosingPage(QWidget* page);
    void buildSenderPage(QWidget* page);
    void buildStylePage(QWidget* page);
    void setTabOrderInPageOrder();
    void connectEvents();

    // Navigation.
    int currentPage() const;
    void ShowNextPage(short n);
    void ShowPreviousPage(short n);
    void setPageVisible(int page, bool visible);
    void setMarkerColour(int step, const QColor& colour);
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdFinish_Click();
    void cmdCancel_Click();
    void Image1_Click(short index);
    void BuildLetter();

    // Page events.
    void CheckOmit_Click();
    void CheckOmit2_Click();
    void CheckOther1_Click();
    void CheckOther2_Click();
    void CheckOther3_Click();
    void Option1_Click(short index);
    void ContentCombo_Click();
    void OptAlignCenter_Click();
    void OptAlignLeft_Click();
    void OptAlignRight_Click();

    // Window size and place.
    void setOuterSize(const QSize& outer);
    void centreOnScreen();
    void fitToWindowFrameOnce();

    WizardHost& host_;
    bool unloading_ = false;
    bool fittedToFrame_ = false;

    SideBar* Picture4 = nullptr;
    QWidget* Line6 = nullptr;
    std::array<QWidget*, PageCount> Frm{};
    std::array<StepMarker*, PageCount> Shape1{};
    std::array<StepTarget*, PageCount> Image1{};
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdFinish = nullptr;

    QRadioButton* OptAlignCenter = nullptr;
    QRadioButton* OptAlignLeft = nullptr;
    QRadioButton* OptAlignRight = nullptr;
    QLineEdit* RecNameText = nullptr;
    QPlainTextEdit* RecAddressText = nullptr;
    QCheckBox* CheckOmit = nullptr;
    QComboBox* SalutationCombo = nullptr;
    QCheckBox* CheckOther1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QComboBox* ContentCombo = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QComboBox* ConclusionCombo = nullptr;
    QCheckBox* CheckOther2 = nullptr;
    QComboBox* ClosingCombo = nullptr;
    QCheckBox* CheckOther3 = nullptr;
    QLineEdit* NameText = nullptr;
    QPlainTextEdit* AddressText = nullptr;
    QCheckBox* CheckOmit2 = nullptr;
    QCheckBox* CheckDate = nullptr;
    QRadioButton* OptSimple = nullptr;
    QRadioButton* OptRomantic = nullptr;
    QRadioButton* OptDark = nullptr;
    QRadioButton* OptClassic = nullptr;
    QRadioButton* OptElegant = nullptr;
    QRadioButton* OptModern = nullptr;

    // The content list's entries and the paragraph of each, as put into the list.
    QStringList contentEntries_;
    QStringList sampleParagraphs_;
};

} // namespace tavrin
