#pragma once

#include <QTranslator>

namespace ui {

// The texts of Qt's file and print dialogs that Qt's Spanish catalogue lacks (it predates
// them): the file list's "Folder" type, the print dialog's double-sided options. Asked before
// the catalogue; any other text it leaves to the catalogue.
class QtCatalogueGaps : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace ui
