#pragma once
// The text of a PDF file as pdftotext lays it out, one entry per page.

#include <QStringList>

QStringList pdfPages(const QString& path);
