#include "app_helpers.h"
#include "platform/stringgrid.h"
using namespace WindowTest;
class TstResize : public QObject
{
    Q_OBJECT
private slots:
    void probe()
    {
        auto form = openWindow();
        auto dump = [&](const char *what) {
            qDebug() << what << "form" << form->size() << "min" << form->minimumSize() << form->minimumSizeHint();
            for (const char *n : {"ChoiceTab", "CompTab", "GlobTab", "Globales"}) {
                auto *g = find<StringGrid>(form.get(), n);
                qDebug() << n << g->size() << g->minimumSizeHint() << g->rowCount() << g->colCount() << g->defaultRowHeight() << g->defaultColWidth();
            }
        };
        dump("start");
        click(find<QPushButton>(form.get(), "NextBtn"));
        dump("p1");
        form->resize(300, 200);
        QTest::qWait(10);
        dump("small");
        form->resize(900, 1400);
        QTest::qWait(10);
        dump("big");
    }
};
ANALYZE_WINDOW_TEST_MAIN(TstResize)
#include "tst_resize.moc"
