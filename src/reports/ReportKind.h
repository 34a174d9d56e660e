#pragma once
// The report kind of the window ("RMC" delivery notes, "OC" purchase orders, anything else such
// as "PR" keeps the design) and what each kind shows and hides.
//
// A control's visibility here is its own Visible setting (QWidget::isHidden), as the original's
// Visible property read: it does not depend on whether the window is on screen yet.

#include <QString>

class QWidget;

namespace reports {

struct ReportControls;

class ReportKind {
public:
    enum Kind { Rmc, Oc, Other };

    // Letter case and blanks around are ignored.
    static Kind of(const QString& tcoReporte);

    // The kind the window works with: the one given when it is RMC, OC or PR (any letter case,
    // kept as given); with none, or one it does not know, the delivery notes ("RMC"), the kind
    // of the window's design caption, so that its title, its controls, its templates and the
    // documents it prints are of one kind.
    static QString orDefault(const QString& tcoReporte);

    // What the window shows for a kind (the load's steps 7 and 8): captions, the layouts and
    // boxes of that kind; the guarantee box is unticked for RMC and OC. Also hides the
    // currency selector and the article frame, which the chosen layout shows again.
    static void apply(Kind kind, QWidget* window, ReportControls& c);

    // After saved states or a template were put back: the kind's visibility again, without
    // touching captions or visible boxes, so that no hidden box stays ticked and no hidden
    // layout stays chosen (the summary is chosen instead, with its effects).
    static void reapply(Kind kind, ReportControls& c);

    static bool shown(const QWidget* control);

private:
    static void setKindVisibility(Kind kind, ReportControls& c);
    static void clearHidden(ReportControls& c);
};

} // namespace reports
