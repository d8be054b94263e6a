// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt generic plugin that only the test build makes: loaded into an installed tavrin through
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=tavrinfinish, it types a recipient into the wizard, picks the
// style TAVRIN_TEST_STYLE names and clicks Finish, as a user would. When the program quits it writes to
// TAVRIN_TEST_REPORT the files of the live word processor's plugin this process loaded, one a line.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

namespace {

QWidget* visibleWizard() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == u"FrmMain" && window->isVisible())
            return window;
    return nullptr;
}

// Waits for the wizard, then fills it in and finishes it.
void finishWhenShown() {
    QWidget* wizard = visibleWizard();
    if (!wizard) {
        QTimer::singleShot(50, finishWhenShown);
        return;
    }
    auto* name = wizard->findChild<QLineEdit*>(QStringLiteral("RecNameText"));
    auto* style = wizard->findChild<QRadioButton*>(qEnvironmentVariable("TAVRIN_TEST_STYLE", "OptSimple"));
    auto* finish = wizard->findChild<QAbstractButton*>(QStringLiteral("cmdFinish"));
    if (!name || !style || !finish)
        qFatal("tavrinfinish: the wizard lacks its recipient, style or Finish control");
    name->setText(QStringLiteral("Ms Ann Lee"));
    style->setChecked(true);
    finish->click();
}

void reportLoadedPlugin() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    QFile report(qEnvironmentVariable("TAVRIN_TEST_REPORT"));
    if (!maps.open(QIODevice::ReadOnly) || !report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("tavrinfinish: cannot write the report");
    QSet<QByteArray> files;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.endsWith("/libtavrin_live.so"))
            files.insert(line.mid(line.indexOf('/')));
    for (const QByteArray& file : files)
        report.write(file + '\n');
}

} // namespace

class FinishHook : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "finishhook.json")
public:
    QObject* create(const QString& key, const QString&) override {
        if (key != u"tavrinfinish")
            return nullptr;
        QTimer::singleShot(0, finishWhenShown);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, reportLoadedPlugin);
        return new QObject;
    }
};

#include "finishhook.moc"
