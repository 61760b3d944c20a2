#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPrintPreviewDialog;
class TMainForm;

// The File menu's ways to keep the sheet and the results other than on paper: a preview of
// exactly the sheet the page prints (with the system's print dialog a click away), that sheet
// as a PDF file, and the computed decision as a spreadsheet (.xlsx or .csv). Preview and PDF
// follow the print button, as the menu's Print does.
class ExportActions : public QObject
{
    Q_OBJECT
public:
    explicit ExportActions(TMainForm *form);

    // Opens the preview (window-modal) and returns it.
    QPrintPreviewDialog *preview();
    void exportPdf();
    void exportResults();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTexts();
    // Beside the decision's own file, with the type's suffix.
    QString suggestedPath(const QString &suffix) const;

    TMainForm *m_form;
    QAction *m_preview;
    QAction *m_pdf;
    QAction *m_results;
};
