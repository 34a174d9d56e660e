-- The server's default collation everywhere, not only on bare columns: letter case and
-- trailing blanks do not count (Ñ and ñ alike, ñ between n and o), accents do.
> CREATE TABLE #c (Id int, Nombre varchar(20), Tipo char(3))
> INSERT INTO #c VALUES (1, 'Tornillo', 'X')
> INSERT INTO #c VALUES (2, 'tuerca', 'y')
> INSERT INTO #c VALUES (3, 'Ñandú', 'X')
> INSERT INTO #c VALUES (4, 'arandela  ', NULL)

-- Literals, concatenations, functions, CONVERT and CASE.
> SELECT CASE WHEN 'abc' = 'ABC ' THEN 1 ELSE 0 END, CASE WHEN 'abc' < 'ABD' THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN 'a' + 'b' = 'AB' THEN 1 ELSE 0 END, CASE WHEN 'x' = 'x' + ' ' THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN UPPER('x') = 'x' THEN 1 ELSE 0 END, CASE WHEN LOWER('ÑU') = 'Ñu' THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN CONVERT(varchar(10), 'Abc') = 'aBC' THEN 1 ELSE 0 END, CASE WHEN CAST('Abc' AS char(5)) = 'ABC' THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN REPLACE('Tornillo', 'o', '0') = 'T0RNILL0' THEN 1 ELSE 0 END, REPLACE('AbcABC', 'abc', 'x')
= 1|'xx'
> SELECT CASE WHEN LEFT('Hola', 2) = 'HO' THEN 1 ELSE 0 END, CASE WHEN SUBSTRING('Hola', 2, 2) = 'OL' THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN (CASE WHEN 1 = 1 THEN 'Si' ELSE 'No' END) = 'SI' THEN 1 ELSE 0 END
= 1
> SELECT CASE WHEN 'arbol' = 'árbol' THEN 1 ELSE 0 END, CASE WHEN 'nandu' = 'ñandu' THEN 1 ELSE 0 END
= 0|0
> SELECT CASE WHEN 'ñ' > 'n' AND 'ñ' < 'o' THEN 1 ELSE 0 END
= 1
> DECLARE @v varchar(20) = 'TUERCA' SELECT Id FROM #c WHERE @v = Nombre
= 2
> DECLARE @a varchar(5) = 'abc', @b varchar(5) = 'ABC  ' SELECT CASE WHEN @a = @b THEN 1 ELSE 0 END
= 1
> SELECT CASE WHEN 'abc' COLLATE Latin1_General_CS_AS = 'ABC' THEN 1 ELSE 0 END
= 0

-- Against columns.
> SELECT Id FROM #c WHERE Nombre + '' = 'TORNILLO'
= 1
> SELECT Id FROM #c WHERE 'ÑANDÚ' = Nombre
= 3
> SELECT Id FROM #c WHERE CASE WHEN Id = 1 THEN Nombre ELSE 'z' END = 'tornillo '
= 1
> SELECT Id FROM #c WHERE LTRIM(RTRIM(Nombre)) = 'ARANDELA'
= 4
> SELECT Id FROM #c WHERE ISNULL(Tipo, '') = 'x' ORDER BY Id
= 1; 3
> SELECT Id FROM #c WHERE Nombre IN ('TUERCA', 'nada')
= 2
> SELECT Id FROM #c WHERE UPPER(Nombre) IN ('tuerca')
= 2
> SELECT Id FROM #c WHERE 'TUERCA' IN (SELECT Nombre FROM #c) ORDER BY Id
= 1; 2; 3; 4
> SELECT Id FROM #c WHERE Nombre + 'x' IN ('TUERCAX')
= 2
> SELECT Id FROM #c WHERE Tipo = 'x' ORDER BY Id
= 1; 3
> SELECT Id FROM #c WHERE Nombre LIKE 'TOR%'
= 1
> SELECT Id FROM #c WHERE Nombre LIKE '%ANDU%'
= (no rows)
> SELECT Id FROM #c WHERE Nombre LIKE '%ANDÚ%'
= 3
> SELECT Id FROM #c WHERE Nombre BETWEEN 'S' AND 'TZ' ORDER BY Id
= 1; 2
> SELECT CHARINDEX('NI', Nombre), CHARINDEX('ni', UPPER(Nombre)) FROM #c WHERE Id = 1
= 4|4
> SELECT Id FROM #c WHERE Nombre = CONVERT(varchar, 'tornillo')
= 1
> SELECT Id FROM #c a WHERE EXISTS (SELECT 1 FROM #c b WHERE UPPER(b.Nombre) = a.Nombre AND b.Id <> a.Id)
= (no rows)

-- Sorting, grouping and removing duplicates of computed texts.
> SELECT Id FROM #c ORDER BY Nombre + ''
= 4; 3; 1; 2
> SELECT Id FROM #c ORDER BY UPPER(Nombre) DESC
= 2; 1; 3; 4
> SELECT MAX(Nombre + ''), MIN(UPPER(Nombre)) FROM #c
= 'tuerca'|'ARANDELA  '
> SELECT COUNT(*) FROM (SELECT 'a' AS x UNION SELECT 'A') t
= 1
> SELECT COUNT(*) FROM (SELECT Nombre + '' AS n FROM #c UNION SELECT UPPER(Nombre) FROM #c) t
= 4
> SELECT COUNT(DISTINCT Tipo), COUNT(DISTINCT LOWER(Tipo)) FROM #c
= 2|2
> SELECT COUNT(*) FROM (SELECT LOWER(Tipo) AS t FROM #c WHERE Tipo IS NOT NULL GROUP BY LOWER(Tipo)) g
= 2
> SELECT COUNT(*) FROM (SELECT DISTINCT Nombre + '' AS n, 'X' AS k FROM #c) d
= 4
> SELECT COUNT(*) FROM (SELECT 'X' AS t UNION SELECT Tipo FROM #c WHERE Tipo IS NOT NULL) u
= 2
