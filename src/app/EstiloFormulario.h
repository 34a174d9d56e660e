#pragma once
// Skins and fonts: every window takes, as it loads, the skin chosen for the operating-system
// user and the database, the user's font on its ordinary controls, optionally the flat look
// for text boxes, combo boxes and buttons, and a colour theme on the tab bars it hosts.
// The choices come from vu000va.ini beside the program, sections named after the user and the
// database ("ANA_EMPRESAFont" key "Font", "ANA_EMPRESAFontSize" key "FontSize",
// "ANA_EMPRESAStyles" key "Styles"); nothing is written back.

#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

namespace app {

// Skin number of the last styled window (the INI's "Styles", 4 when missing).
inline std::int16_t gEstilo = 0;

struct EstiloUsuario {
    QString font = QStringLiteral("Segoe UI");
    QString fontSize = QStringLiteral("9");
    // Rounded to the nearest whole number, halves to the even one; a text that is no number
    // counts as 0; none when the number lies outside the Integer range.
    std::optional<std::int16_t> estilo = 4;
};

struct ArchivoSkin {
    QString file;      // relative to the program folder
    QString iniName;
};

// The user's choices as the INI file holds them; a "Styles" that is no number counts as 0.
EstiloUsuario LeerEstiloUsuario();
// The skin file of a skin number: 1 Vista, 2 XP Luna, 3 XP Royale, 4 iTunes, any other Office 2007.
ArchivoSkin ArchivoDeSkin(int estilo);
// The tab bars' colour theme for a skin number: 0 gives 1, 2 gives 3, 3 gives 4, 4 gives 5,
// any other 2.
int OpcionesEstilo(int estilo);

// Skin (through the window's skin control "SkinFramework1", when it hosts one), fonts and, when
// Plano is true, the flat look (neither on the window "FRMMdi"), and the tab bars' theme.
// Fonts in "Marlett" or above 12 points are kept. Errors are passed over; no message.
void AplicarEstiloFormulario(QWidget* Frm, bool Plano);

} // namespace app
