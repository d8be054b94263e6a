#pragma once

// The letter wizard: eight pages in one rectangle, a side bar of steps, and Cancel, Back, Next and
// Finish. The visible page is the current one; the controls themselves hold all the wizard's state.

#include "builder/wizardchoices.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>

class QPushButton;

namespace tavrin {

namespace contacts {
class AddressBookLoader;
}

struct LayoutPage;
struct LetterheadPage;
struct SampleListPage;
struct SampleTextPage;
struct SenderPage;
class SideBar;
class StepMarker;
class StepTarget;
struct StylePage;
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
    ~FrmMain() override;

    // Run by the host when it loads and unloads the wizard.
    void Form_Load();
    void Form_Unload();

    // Everything the letter is built from, read from the controls now.
    WizardChoices choices() const;

signals:
    // A page's control changed (a keystroke, a list choice, an option, a check box) or another page was
    // shown: whoever follows the letter reads the choices again.
    void changed();
    // The Preview button was pressed: the letter's preview is to be shown, or hidden again.
    void previewClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildSideBar();
    void buildPages();
    void buildButtons();
    void setTabOrderInPageOrder();
    void connectEvents();
    void reportEveryChange();

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
    void updateEnvelopeBox();
    void cmdAddressBook_Click();

    // The address books are read once the wizard has been painted, on a thread of their own, so that the
    // first paint waits for nothing of them.
    void startReadingAddressBooks();

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
    QPushButton* cmdPreview = nullptr;

    // The pages and the controls each built.
    std::unique_ptr<LayoutPage> layout_;
    std::unique_ptr<LetterheadPage> letterhead_;
    std::unique_ptr<SampleListPage> salutation_;
    std::unique_ptr<SampleTextPage> sampleText_;
    std::unique_ptr<SampleListPage> conclusion_;
    std::unique_ptr<SampleListPage> closing_;
    std::unique_ptr<SenderPage> sender_;
    std::unique_ptr<StylePage> style_;

    std::unique_ptr<contacts::AddressBookLoader> addressBooks_;
    bool addressBooksScheduled_ = false;
};

} // namespace tavrin
