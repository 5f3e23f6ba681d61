// zorvik-screenshots: the README's pictures of the program, taken from the
// program's own windows offscreen (scripts/screenshots.sh runs it), so that
// they show what the code of today draws.
//
//   zorvik-screenshots <folder>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "app_windows.h"

namespace {

bool Save(QWidget& window, const QString& folder, const char* name) {
    window.show();
    QTest::qWait(300);
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    window.hide();
    return saved;
}

void ClickRow(QListWidget& list, int row) {
    list.scrollToItem(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

// A job of a few duties, one of each kind of mark.
zorvik::job::Job SampleJob() {
    using namespace zorvik::job;
    Job job;
    job.header.name = "Pump station";
    job.header.customer = "ACME Gas";
    job.header.reference = "P-17";
    job.header.engineer = "J. Smith";
    job.header.revision = "B";
    job.header.date = "2025-03-14";
    JobItem flow;
    flow.tag = "B-101";
    flow.quantity = 2;
    flow.model = 6;
    JobItem fill;
    fill.tag = "V-1";
    fill.application = Application::Fill;
    fill.model = 10;
    JobItem open = flow;
    open.tag = "B-102";
    open.model.reset();
    JobItem tooFar = flow;
    tooFar.tag = "B-103";
    tooFar.duty.outlet = "4000";
    job.items = {flow, fill, open, tooFar};
    return job;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorvik-screenshots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // The steps below raise no message; should one come all the same, no
    // box may wait offscreen for a click that never comes.
    zorvik::Session session;
    zorvik::SilentNotices notices;
    const auto windows = zorvik::CreateAppWindows(session, notices);

    bool ok = Save(*windows->ZorvAmpMainForm, folder, "main_window");

    auto& graph = *windows->zampGraph1Form;
    graph.show();
    QApplication::processEvents();
    ClickRow(*graph.findChild<QListWidget*>(QStringLiteral("TabListBox1")), 7);
    QTest::mouseClick(graph.findChild<QPushButton*>(QStringLiteral("DrawGraphBitBtn")), Qt::LeftButton);
    ok = Save(graph, folder, "performance_chart") && ok;

    ok = Save(*windows->ZampModelSelectionChartForm, folder, "model_selection_chart") && ok;

    windows->Jobs->Model().SetJob(SampleJob());
    ok = Save(*windows->Jobs, folder, "job_window") && ok;
    return ok ? 0 : 1;
}
