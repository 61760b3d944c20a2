#include "app/sessiondocument.h"

#include "app/mainform.h"
#include "app/translations.h"
#include "platform/settingsstore.h"
#include "platform/stringgrid.h"
#include "platform/updown.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QStackedWidget>

namespace SessionDocument {

namespace {
const QString Diagonal = QStringLiteral("1");

template <typename T>
T *control(const TMainForm &form, const char *name)
{
    return form.findChild<T *>(QLatin1String(name));
}

QStringList names(const QListWidget *list, const QLineEdit *editor, int count, QString (*defaultName)(int))
{
    QStringList result;
    for (int i = 0; i < count; ++i) {
        const QListWidgetItem *item = list->item(i);
        result << (item ? item->text() : defaultName(i));
    }
    // A name typed over the current entry and not yet committed is the person's all the same.
    const int current = list->currentRow();
    if (editor->isModified() && !editor->text().isEmpty() && current >= 0 && current < count)
        result[current] = editor->text();
    return result;
}

QList<QStringList> emptyMatrix(int size)
{
    QList<QStringList> matrix;
    for (int i = 0; i < size; ++i) {
        QStringList row;
        for (int j = 0; j < size; ++j)
            row << (i == j ? Diagonal : QString());
        matrix << row;
    }
    return matrix;
}

int page(const TMainForm &form)
{
    return control<QStackedWidget>(form, "Notebook")->currentIndex();
}

void setNames(QListWidget *list, QLineEdit *editor, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i) {
        if (QListWidgetItem *item = list->item(i))
            item->setText(names.at(i));
    }
    if (const QListWidgetItem *item = list->currentItem()) {
        editor->setText(item->text());
        editor->setModified(false);
    }
}

void goToTitlePage(TMainForm &form)
{
    // A field being left runs its exit handler now, not halfway through the restore.
    if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == &form)
        focus->clearFocus();
    for (int guard = 0; page(form) > 0 && guard < 5; ++guard)
        form.PriorBtnClick();
}

void unifyDefaultNames(QStringList &names, const TranslatableText &nameTemplate, QString (*argument)(int))
{
    const QStringList forms = Translations::inEveryLanguage(nameTemplate);
    for (int i = 0; i < names.size(); ++i) {
        const QString shownArgument = argument(i);
        for (const QString &form : forms) {
            if (names.at(i) == form.arg(shownArgument)) {
                names[i] = forms.first().arg(shownArgument);
                break;
            }
        }
    }
}

QString criterionNumber(int i)
{
    return QString::number(i + 1);
}

void setCounts(TMainForm &form, int criteria, int alternatives)
{
    control<UpDown>(form, "UpDownKrit")->setPosition(criteria);
    form.UpDownKritClick();
    control<UpDown>(form, "UpDownAlt")->setPosition(alternatives);
    form.UpDownAltClick();
}
}

DecisionDocument capture(const TMainForm &form)
{
    const int n = form.criteriaCount();
    const int m = form.alternativesCount();
    const DecisionModel &model = form.model();
    const QChar point = decimalPointOf(QLocale());

    DecisionDocument document;
    document.user = control<QLineEdit>(form, "StudentName")->text();
    document.criteriaJudgements = emptyMatrix(n);
    for (int c = 0; c < n; ++c)
        document.alternativesJudgements << emptyMatrix(m);
    if (!model.SessionPrepared) {
        for (int i = 0; i < n; ++i)
            document.criteria << defaultCriterionName(i);
        for (int k = 0; k < m; ++k)
            document.alternatives << defaultAlternativeName(k);
        return document;
    }

    document.criteria = names(control<QListWidget>(form, "Choices"), control<QLineEdit>(form, "ChoiceName"), n,
                              defaultCriterionName);
    document.alternatives = names(control<QListWidget>(form, "AltList"), control<QLineEdit>(form, "ChoiceAlt"), m,
                                  defaultAlternativeName);

    // Before the criteria page the grid holds nothing that going forward would keep.
    const StringGrid *choiceTab = control<StringGrid>(form, "ChoiceTab");
    const bool criteriaShown = page(form) >= 2 && choiceTab->colCount() > n && choiceTab->rowCount() > n;
    for (int i = 0; i < n && criteriaShown; ++i) {
        for (int j = 0; j < n; ++j) {
            if (i != j)
                document.criteriaJudgements[i][j] = toFileText(choiceTab->cell(j + 1, i + 1), point);
        }
    }

    // The matrix on the screen may hold typing that its store has not been given yet.
    const StringGrid *compTab = control<StringGrid>(form, "CompTab");
    const int shown = page(form) == 3 ? model.CurrentCriterion : -1;
    for (int c = 0; c < n; ++c) {
        for (int i = 0; i < m; ++i) {
            for (int j = 0; j < m; ++j) {
                if (i == j)
                    continue;
                const QString text = c == shown ? compTab->cell(j + 1, i + 1) : model.AltMatrixText.value(c, j, i);
                document.alternativesJudgements[c][i][j] = toFileText(text, point);
            }
        }
    }
    return document;
}

void restore(TMainForm &form, const DecisionDocument &document)
{
    const int n = document.criteriaCount();
    const int m = document.alternativesCount();
    const QChar point = decimalPointOf(QLocale());

    goToTitlePage(form);
    setCounts(form, n, m);
    control<QLineEdit>(form, "StudentName")->setText(document.user);
    form.NextBtnClick();
    if (page(form) != 1)
        return;

    setNames(control<QListWidget>(form, "Choices"), control<QLineEdit>(form, "ChoiceName"), document.criteria);
    setNames(control<QListWidget>(form, "AltList"), control<QLineEdit>(form, "ChoiceAlt"), document.alternatives);

    DecisionModel &model = form.model();
    for (int c = 0; c < n && c < document.alternativesJudgements.size(); ++c) {
        const QList<QStringList> &matrix = document.alternativesJudgements.at(c);
        for (int i = 0; i < m && i < matrix.size(); ++i) {
            for (int j = 0; j < m && j < matrix.at(i).size(); ++j) {
                if (i != j)
                    model.AltMatrixText.set(c, j, i, fromFileText(matrix.at(i).at(j), point));
            }
        }
    }
    model.CurrentCriterion = 0;
    model.CriteriaComputed = false;
    model.AltMatrixComputed.fill(false);

    form.NextBtnClick();
    if (page(form) != 2)
        return;
    StringGrid *choiceTab = control<StringGrid>(form, "ChoiceTab");
    for (int i = 0; i < n && i < document.criteriaJudgements.size(); ++i) {
        for (int j = 0; j < n && j < document.criteriaJudgements.at(i).size(); ++j) {
            if (i != j)
                choiceTab->setCell(j + 1, i + 1, fromFileText(document.criteriaJudgements.at(i).at(j), point));
        }
    }

    // Forward as far as the judgements carry, as the person pressing "Вперед" would get.
    for (int previous = -1; page(form) != previous && page(form) < 4;) {
        previous = page(form);
        form.NextBtnClick();
    }
}

void startNew(TMainForm &form)
{
    goToTitlePage(form);
    setCounts(form, InitialCount, InitialCount);
    control<QLineEdit>(form, "StudentName")->setText(SettingsStore::readSignature());
    form.model().SessionPrepared = false;
}

DecisionDocument comparable(DecisionDocument document)
{
    unifyDefaultNames(document.criteria, CriterionNameTemplate, criterionNumber);
    unifyDefaultNames(document.alternatives, AlternativeNameTemplate, alternativeLetter);
    return document;
}

}
