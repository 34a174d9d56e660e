-- Statements: UPDATE and DELETE through joins, INSERT without INTO, TOP WITH TIES and
-- PERCENT, SELECT ... INTO, column aliases written alias = expression.
> CREATE TABLE #a (Id int PRIMARY KEY, Nombre varchar(10), Precio money)
> CREATE TABLE #b (Id int PRIMARY KEY, Nuevo money, Marca char(1))
> INSERT #a VALUES (1, 'uno', 10)
> INSERT #a VALUES (2, 'dos', 20)
> INSERT #a (Id, Nombre, Precio) VALUES (3, 'tres', 30), (4, 'cuatro', 40)
> INSERT INTO #b VALUES (1, 11, 'x'), (2, 22, 'y'), (9, 99, 'x')
> SELECT COUNT(*), SUM(Precio) FROM #a
= 4|100.0000

-- UPDATE alias SET alias.col = ... FROM t alias JOIN ...
> UPDATE a SET a.Precio = b.Nuevo FROM #a a JOIN #b b ON a.Id = b.Id WHERE b.Marca = 'X'
> SELECT Id, Precio FROM #a ORDER BY Id
= 1|11.0000; 2|20.0000; 3|30.0000; 4|40.0000
> UPDATE a SET Precio = b.Nuevo * 2, Nombre = UPPER(a.Nombre) FROM #a AS a INNER JOIN #b AS b ON b.Id = a.Id
> SELECT Id, Nombre, Precio FROM #a WHERE Id < 3 ORDER BY Id
= 1|'UNO'|22.0000; 2|'DOS'|44.0000
> UPDATE a SET a.Precio = ISNULL(b.Nuevo, 0) FROM #a a LEFT JOIN #b b ON a.Id = b.Id
> SELECT Id, Precio FROM #a ORDER BY Id
= 1|11.0000; 2|22.0000; 3|0.0000; 4|0.0000
> UPDATE #a SET Precio = b.Nuevo + 1 FROM #b b WHERE #a.Id = b.Id
> SELECT SUM(Precio) FROM #a
= 35.0000
> UPDATE #a SET #a.Precio = 5 WHERE #a.Id = 3 SELECT @@ROWCOUNT
= 1
> UPDATE #a SET Nombre = Nombre + '!' FROM #a JOIN #b ON #a.Id = #b.Id WHERE #b.Marca = 'y'
> SELECT Nombre FROM #a WHERE Id = 2
= 'DOS!'
> UPDATE x SET x.Nombre = 'otro' FROM #a x WHERE x.Id = 4
> SELECT Nombre FROM #a WHERE Id = 4
= 'otro'

-- DELETE alias FROM ..., DELETE without FROM.
> DELETE a FROM #a a JOIN #b b ON a.Id = b.Id WHERE b.Marca = 'y'
> SELECT Id FROM #a ORDER BY Id
= 1; 3; 4
> DELETE FROM a FROM #a a WHERE a.Precio > 10 SELECT @@ROWCOUNT
= 1
> DELETE #b WHERE Id = 9
> SELECT Id FROM #b ORDER BY Id
= 1; 2
> DELETE #a FROM #a JOIN #b ON #a.Id - 2 = #b.Id
> SELECT COUNT(*) FROM #a
= 0

-- TOP n, TOP (n), WITH TIES and PERCENT.
> CREATE TABLE #s (Nombre varchar(5), Puntos int)
> INSERT INTO #s VALUES ('a', 10), ('b', 20), ('c', 20), ('d', 30), ('e', NULL)
> SELECT TOP 2 Puntos FROM #s ORDER BY Puntos DESC
= 30; 20
> SELECT TOP 2 WITH TIES Puntos FROM #s ORDER BY Puntos DESC
= 30; 20; 20
> SELECT TOP (1) WITH TIES Puntos FROM #s WHERE Puntos IS NOT NULL ORDER BY Puntos
= 10
> SELECT TOP 1 WITH TIES Nombre, Puntos AS P FROM #s ORDER BY P DESC
= 'd'|30
> SELECT TOP 3 WITH TIES Nombre FROM #s WHERE Puntos > 0 ORDER BY 1
= 'a'; 'b'; 'c'
> SELECT COUNT(*) FROM (SELECT TOP 2 WITH TIES Puntos FROM #s WHERE Puntos IS NOT NULL ORDER BY Puntos - Puntos) t
= 4
> SELECT COUNT(*) FROM (SELECT TOP 2 WITH TIES Puntos, COUNT(*) AS n FROM #s WHERE Puntos IS NOT NULL GROUP BY Puntos ORDER BY COUNT(*) DESC) t
= 3
> SELECT TOP 1 WITH TIES Nombre FROM #s
! 1062
> SELECT TOP 40 PERCENT Nombre FROM #s ORDER BY Nombre
= 'a'; 'b'
> SELECT TOP 50 PERCENT Nombre FROM #s ORDER BY Nombre
= 'a'; 'b'; 'c'
> SELECT TOP 1 PERCENT Nombre FROM #s ORDER BY Nombre
= 'a'
> SELECT TOP 100 PERCENT Nombre FROM #s ORDER BY Nombre DESC
= 'e'; 'd'; 'c'; 'b'; 'a'
> SELECT TOP 25 PERCENT WITH TIES Puntos FROM #s WHERE Puntos IS NOT NULL ORDER BY Puntos DESC
= 30
> SELECT TOP 50 PERCENT WITH TIES Puntos FROM #s WHERE Puntos IS NOT NULL ORDER BY Puntos DESC
= 30; 20; 20
> DECLARE @n int = 2 SELECT TOP (@n) Nombre FROM #s ORDER BY Nombre
= 'a'; 'b'
> SELECT Nombre FROM #s WHERE Puntos = (SELECT TOP 1 Puntos FROM #s ORDER BY Puntos DESC)
= 'd'
> SELECT COUNT(*) FROM (SELECT TOP 2 WITH TIES Puntos FROM #s ORDER BY Puntos DESC) t
= 3
> SELECT TOP 1 Nombre FROM #s WHERE Puntos = 10 UNION ALL SELECT TOP 1 Nombre FROM #s WHERE Puntos = 30
= 'a'; 'd'

-- SELECT ... INTO a new table: declared types, the collation, and the server's refusals.
> SELECT Nombre, Puntos * 2 AS Doble, 'x' AS Fijo, GETDATE() AS Cuando INTO #s2 FROM #s WHERE Puntos > 10
> SELECT COUNT(*), SUM(Doble) FROM #s2
= 3|140
> SELECT COUNT(*) FROM #s2 WHERE Nombre = 'B' AND Fijo = 'X '
= 1
> SELECT Doble + '1' FROM #s2 WHERE Nombre = 'd'
= 61
> SELECT CASE WHEN Cuando > '20000101' THEN 1 ELSE 0 END FROM #s2 WHERE Nombre = 'd'
= 1
> INSERT INTO #s2 (Nombre, Fijo) VALUES ('z', 'largo')
! 8152, 3621
> SELECT * INTO #s3 FROM #s WHERE 1 = 0
> SELECT COUNT(*) FROM #s3
= 0
> INSERT INTO #s3 VALUES ('toolong', 1)
! 8152, 3621
> SELECT Nombre INTO #s2 FROM #s
! 2714
> SELECT Puntos * 2 INTO #s4 FROM #s
! 1038

-- Column names written alias = expression, and names of computed columns.
> SELECT Total = SUM(Puntos), 'Cantidad' = COUNT(*), [Máximo] = MAX(Puntos) FROM #s
= 80|5|30
> SELECT Doble = Puntos * 2 FROM #s WHERE Nombre = 'a'
= 20
> SELECT t.Total FROM (SELECT Total = SUM(Puntos) FROM #s) t
= 80
> SELECT COUNT(*) FROM #s WHERE Puntos = 20 AND Nombre = 'b'
= 1
