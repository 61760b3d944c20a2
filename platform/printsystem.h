#pragma once

#include <QString>

// The platform's print system, reduced to what printing one sheet needs: which queue the
// default printer is, and handing that queue a finished PDF document. The print service runs
// outside the program and may be missing, stopped or refusing work, and Qt's own printing does
// not say when a queue turns a document away; asked here, every refusal has a name.
class PrintSystem
{
public:
    struct Queue
    {
        enum State { Accepting, NotAccepting, NotFound, ServiceDown };
        State state = NotFound;
        QString name;
    };

    virtual ~PrintSystem() = default;

    // The default queue and whether it takes jobs now.
    virtual Queue defaultQueue() = 0;
    // Hands a PDF file to a queue as one job; returns the print system's reason when the job
    // was not taken, else the empty text.
    virtual QString submit(const QString &queue, const QString &pdfFile, const QString &title) = 0;

    // The print system in use: CUPS unless a stand-in was put in its place.
    static PrintSystem &current();
    // Puts standIn (owned by the caller) in the place of the real print system; nullptr gives
    // the real one back.
    static void replace(PrintSystem *standIn);
};
