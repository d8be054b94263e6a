#pragma once

// The address book the recipient page opens: every contact with a name, one row for each of its postal
// addresses, filtered as the user types; Return or a double click picks the selected row.

#include "contacts/addressbook.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QLocale>
#include <QStringList>

#include <vector>

class QLabel;
class QLineEdit;
class QTreeView;

namespace tavrin {

namespace contacts {
class AddressBookLoader;
}

// What a pick puts into the page's boxes.
struct PickedAddress {
    QString name;
    QStringList addressLines; // laid out as the address's country writes it
};

// The rows and the ones the filter lets through.
class AddressRows : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Organisation, Address, Kind, Email, Book, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // The rows of this many contacts.
    void add(const std::vector<contacts::AddressRow>& rows, int contactCount);
    // Every word of the text must be in the row's name, organisation, town or e-mails, in any case.
    void filter(const QString& text);

    int contactCount() const { return contactCount_; }
    PickedAddress picked(int visibleRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool matches(const contacts::AddressRow& row) const;

    std::vector<contacts::AddressRow> rows_;
    std::vector<int> visible_;
    QStringList words_;
    int contactCount_ = 0;
};

class AddressBookDialog : public QDialog {
    Q_OBJECT
public:
    // The loader's books are listed once it has read them; the home territory's name is left off.
    AddressBookDialog(contacts::AddressBookLoader& loader, QLocale::Territory home,
                      QWidget* parent = nullptr);

    // Adds the contacts of a .vcf or .csv file, as Open File... does.
    void addFile(const QString& path);
    PickedAddress picked() const { return picked_; }

    void accept() override;

private:
    void addContents(const contacts::BookContents& contents, const std::vector<contacts::AddressRow>& rows);
    void showFilter();
    void showStatus();
    static QString problemText(const contacts::BookProblem& problem);
    void openFile();

    QLocale::Territory home_;
    AddressRows rows_;
    QLineEdit* search_ = nullptr;
    QTreeView* list_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<contacts::BookProblem> problems_;
    bool reading_ = false;
    PickedAddress picked_;
};

} // namespace tavrin
