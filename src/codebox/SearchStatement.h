#pragma once
// The statement of each keystroke's search: at most 100 rows of the bound table whose
// description or code contains the typed text, blanks in it matching any run of characters.

#include <QString>

namespace codebox {

struct SearchRequest {
    QString typed;               // the text of the box
    QString idLista;             // price list: not blank turns the search into the article search
    QString table;
    QString descriptionColumn;   // a single column (TableBinding::searchColumn)
    QString codeColumn;
    QString extraFilter;
};

class SearchStatement {
public:
    // The typed text as it goes between the LIKE's "%": apostrophes doubled, the wildcards
    // of the text made literal, each blank turned into "%".
    static QString pattern(const QString& typed);
    static QString build(const SearchRequest& request);

private:
    static bool isModelTable(const QString& table);
};

} // namespace codebox
