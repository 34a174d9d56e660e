#include "codebox/SearchStatement.h"

#include "codebox/CodeText.h"

#include "ado/SqlQuoting.h"
#include "vb/Strings.h"

namespace codebox {

QString SearchStatement::pattern(const QString& typed)
{
    return ado::escapeLikeText(typed).replace(u' ', u'%');
}

bool SearchStatement::isModelTable(const QString& table)
{
    return table.compare(QLatin1String("MA_MODELOS"), Qt::CaseInsensitive) == 0;
}

QString SearchStatement::build(const SearchRequest& r)
{
    const QString p = pattern(r.typed);
    if (!vb::Trim(r.idLista).isEmpty()) {
        const QString list = ado::escapeSqlText(CodeText::FmtLeerCodigo(r.idLista, 4));
        return QStringLiteral("select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join "
                              "v_ma_precios on v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = '")
            + list + QStringLiteral("'   where (v_ma_articulos.idarticulo like '%") + p
            + QStringLiteral("%' or Descripcion like '%") + p + QStringLiteral("%')  ") + r.extraFilter
            + QStringLiteral(" order by DESCRIPCION ");
    }
    if (isModelTable(r.table))
        return QStringLiteral("select top 100 NOMBRE from MA_MODELOS where NOMBRE like '%") + p
            + QStringLiteral("%'  GROUP BY NOMBRE ");
    const QString& d = r.descriptionColumn;
    const QString& c = r.codeColumn;
    return QStringLiteral("select top 100 ") + d + u',' + c + QStringLiteral(" from ") + r.table + QStringLiteral(" where (")
        + d + QStringLiteral(" like '%") + p + QStringLiteral("%' or ") + c + QStringLiteral(" like '%") + p
        + QStringLiteral("%' )  ") + r.extraFilter + QStringLiteral(" order by ") + d;
}

} // namespace codebox
