#pragma once

#include "platform/printsystem.h"

// The print system of Linux: the CUPS scheduler, asked through libcups.
class CupsPrintSystem : public PrintSystem
{
public:
    Queue defaultQueue() override;
    QString submit(const QString &queue, const QString &pdfFile, const QString &title) override;
};
