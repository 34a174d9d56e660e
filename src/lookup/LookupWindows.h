#pragma once
// How the lookup driver shows its windows. The driver fills a request with the members it
// hands the window, in the order it sets them; the window runs modally and answers with the
// members the driver reads back. The list and tree windows are the default runners; tests
// install their own to see what the driver handed over.

#include "vb/Collection.h"
#include "vb/Variant.h"

#include <QString>
#include <functional>

namespace lookup {

struct ListLookupRequest {
    vb::Variant StkNivel1;
    vb::Variant StkNivel2;
    vb::Variant StkNivel3;
    vb::Variant StkNivel4;
    QString MuestraStock;
    bool CfgUsaConsultaLIKE = false;
    bool OrdenarPorLwv = true;
    QString FiltroInicial;
    QString CampoBusqueda;
    QString sql;
    QString gConnString;
    QString CampoDevuelto;
    bool CheckBoxes = false;
    bool UsaCantidades = false;
    QString ValoresDefault;
    vb::CollectionPtr CmpsDevueltos;     // columns whose values go to Valores, or none
};

struct TreeLookupRequest {
    QString sql;
    QString CampoDevuelto;
    bool CheckBoxes = false;
};

struct LookupAnswer {
    vb::Variant ValorDevuelto;
    vb::CollectionPtr Valores;           // none after a cancel
    vb::CollectionPtr Cantidades;
};

class LookupWindows {
public:
    using ListRunner = std::function<LookupAnswer(const ListLookupRequest&)>;
    using TreeRunner = std::function<LookupAnswer(const TreeLookupRequest&)>;

    static LookupAnswer showList(const ListLookupRequest& request);
    static LookupAnswer showTree(const TreeLookupRequest& request);

    // An empty function restores the default: the list window, and the tree window.
    static void setListRunner(ListRunner runner);
    static void setTreeRunner(TreeRunner runner);
};

} // namespace lookup
