#include "addressbookdialog.h"

#include "contacts/addressbookloader.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include <numeric>

namespace tavrin {

using contacts::AddressKind;

// ---- The rows ---------------------------------------------------------------------------------------------

namespace {

QString kindName(std::optional<AddressKind> kind) {
    if (!kind)
        return {};
    switch (*kind) {
    case AddressKind::Home:
        return AddressRows::tr("Home");
    case AddressKind::Work:
        return AddressRows::tr("Work");
    case AddressKind::Other:
        break;
    }
    return AddressRows::tr("Other");
}

} // namespace

void AddressRows::add(const std::vector<contacts::AddressRow>& rows, int contactCount) {
    beginResetModel();
    contactCount_ += contactCount;
    for (const contacts::AddressRow& row : rows) {
        if (matches(row))
            visible_.push_back(int(rows_.size()));
        rows_.push_back(row);
    }
    endResetModel();
}

bool AddressRows::matches(const contacts::AddressRow& row) const {
    return std::all_of(words_.begin(), words_.end(),
                       [&](const QString& word) { return row.searchText.contains(word); });
}

// A text that only adds to the last one narrows the rows shown; any other looks through them all.
void AddressRows::filter(const QString& text) {
    const QStringList words = text.toCaseFolded().split(u' ', Qt::SkipEmptyParts);
    const bool narrows = !words_.isEmpty() && text.toCaseFolded().startsWith(words_.join(u' '));
    words_ = words;
    std::vector<int> shown;
    const auto consider = [&](int k) {
        if (matches(rows_[std::size_t(k)]))
            shown.push_back(k);
    };
    beginResetModel();
    if (narrows)
        std::for_each(visible_.begin(), visible_.end(), consider);
    else
        for (int k = 0; k < int(rows_.size()); ++k)
            consider(k);
    visible_ = std::move(shown);
    endResetModel();
}

PickedAddress AddressRows::picked(int visibleRow) const {
    const contacts::AddressRow& row = rows_[std::size_t(visible_.at(std::size_t(visibleRow)))];
    return {row.name, row.lines};
}

int AddressRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(visible_.size());
}

int AddressRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AddressRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const contacts::AddressRow& row = rows_[std::size_t(visible_.at(std::size_t(index.row())))];
    switch (index.column()) {
    case Name:
        return row.name;
    case Organisation:
        return row.organisation;
    case Address:
        return row.lines.join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral(", "));
    case Kind:
        return kindName(row.kind);
    case Email:
        return row.emails;
    case Book:
        return row.book;
    default:
        return {};
    }
}

QVariant AddressRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Name");
    case Organisation:
        return tr("Organisation");
    case Address:
        return tr("Address");
    case Kind:
        return tr("Type");
    case Email:
        return tr("E-mail");
    case Book:
        return tr("Address book");
    default:
        return {};
    }
}

// ---- The dialog -------------------------------------------------------------------------------------------

namespace {

// The arrow and page keys move through the list while the focus stays in the search box.
class ListKeys : public QObject {
public:
    ListKeys(QTreeView* list, QObject* parent) : QObject(parent), list_(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp && key != Qt::Key_PageDown)
            return QObject::eventFilter(watched, event);
        QKeyEvent copy(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
        QCoreApplication::sendEvent(list_, &copy);
        return true;
    }

private:
    QTreeView* list_;
};

// Column widths in characters of the dialog's font: the rows are never measured, however many there are.
constexpr int ColumnCharacters[AddressRows::ColumnCount] = {22, 16, 40, 9, 24, 16};

} // namespace

AddressBookDialog::AddressBookDialog(contacts::AddressBookLoader& loader, QLocale::Territory home,
                                     QWidget* parent)
    : QDialog(parent), home_(home), rows_(this) {
    setObjectName(QStringLiteral("AddressBookDialog"));
    setWindowTitle(tr("Address Book"));

    auto* searchLabel = new QLabel(tr("&Search:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("addressBookSearch"));
    search_->setAccessibleName(tr("Search"));
    search_->setPlaceholderText(tr("Name, organisation, town or e-mail"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);

    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("addressBookList"));
    list_->setAccessibleName(tr("Contacts"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setModel(&rows_);
    const int character = fontMetrics().averageCharWidth();
    for (int column = 0; column < AddressRows::ColumnCount; ++column)
        list_->header()->resizeSection(column, ColumnCharacters[column] * character);
    search_->installEventFilter(new ListKeys(list_, this));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("addressBookStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Use"));
    auto* openFile = buttons->addButton(tr("Open File..."), QDialogButtonBox::ActionRole);
    openFile->setObjectName(QStringLiteral("addressBookOpenFile"));
    openFile->setAccessibleName(tr("Open File"));
    openFile->setAutoDefault(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(list_, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    // Every column in view where the screen is wide enough.
    const int allColumns =
        std::accumulate(std::begin(ColumnCharacters), std::end(ColumnCharacters), 6) * character;
    const int screenWidth = screen() ? screen()->availableGeometry().width() * 9 / 10 : allColumns;
    resize(std::min(allColumns, screenWidth), 30 * fontMetrics().height());

    connect(search_, &QLineEdit::textChanged, this, &AddressBookDialog::showFilter);
    connect(list_, &QTreeView::doubleClicked, this, &AddressBookDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddressBookDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddressBookDialog::reject);
    connect(openFile, &QPushButton::clicked, this, &AddressBookDialog::openFile);

    if (loader.isFinished()) {
        addContents(loader.contents(), loader.rows());
    } else {
        reading_ = true;
        connect(&loader, &contacts::AddressBookLoader::finished, this, [this, &loader] {
            reading_ = false;
            addContents(loader.contents(), loader.rows());
        });
    }
    showStatus();
    search_->setFocus();
}

void AddressBookDialog::addContents(const contacts::BookContents& contents,
                                    const std::vector<contacts::AddressRow>& rows) {
    rows_.add(rows, int(contents.contacts.size()));
    problems_.insert(problems_.end(), contents.problems.begin(), contents.problems.end());
    list_->setCurrentIndex(rows_.index(0, 0));
    showStatus();
}

void AddressBookDialog::addFile(const QString& path) {
    const contacts::BookContents contents = contacts::readBookFile(path, QFileInfo(path).fileName());
    addContents(contents, contacts::addressRows(contents.contacts, home_));
}

void AddressBookDialog::openFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open an Address Book"), QDir::homePath(),
                                                      tr("Contacts (*.vcf *.csv);;All files (*)"));
    if (!path.isEmpty())
        addFile(path);
}

void AddressBookDialog::showFilter() {
    rows_.filter(search_->text());
    list_->setCurrentIndex(rows_.index(0, 0));
}

QString AddressBookDialog::problemText(const contacts::BookProblem& problem) {
    const QString file = QDir::toNativeSeparators(problem.file);
    return problem.line > 0 ? tr("%1, line %2: %3").arg(file).arg(problem.line).arg(problem.message)
                            : tr("%1: %2").arg(file, problem.message);
}

// How many contacts there are, and the first of the cards or files that could not be read; the tooltip
// lists them all.
void AddressBookDialog::showStatus() {
    QString status =
        reading_ ? tr("Reading the address books...") : tr("Contacts: %1.").arg(rows_.contactCount());
    QStringList problems;
    for (const contacts::BookProblem& problem : problems_)
        problems << problemText(problem);
    if (problems.size() == 1)
        status += u' ' + tr("Not read: %1").arg(problems.front());
    else if (problems.size() > 1)
        status +=
            u' ' +
            tr("Not read: %1, and %2 more (see the tooltip)").arg(problems.front()).arg(problems.size() - 1);
    status_->setText(status);
    status_->setToolTip(problems.join(u'\n'));
}

void AddressBookDialog::accept() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    picked_ = rows_.picked(current.row());
    QDialog::accept();
}

} // namespace tavrin
