#pragma once
// The result list of the code-entry box. A Qt list that takes the focus without a current
// line makes its first line current, unchosen; the box would skip that line with the first
// arrow key. This list keeps no line current until the operator chooses one.

#include <QListWidget>

namespace codebox {

class ResultList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    // The chosen line; null when none is.
    QListWidgetItem* chosenItem() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace codebox
