-- Types: "+" adds or joins by the server's type precedence, a text meeting a number
-- converts to it (or fails as the server does), AVG of integers is an integer, money and
-- decimals keep their scale as text, ISNULL takes its first argument's type.
> CREATE TABLE #n (Id int, Codigo varchar(10), Cant int, Precio money, Tasa decimal(10,2), Peso float, Nombre varchar(5), Activo bit)
> INSERT INTO #n VALUES (1, '0012', 1, 10.5, 1.5, 0.25, 'uno', 1)
> INSERT INTO #n VALUES (2, '12', 2, 1234.5678, 2.25, 1.5, NULL, 0)
> INSERT INTO #n VALUES (3, '7', NULL, NULL, NULL, NULL, 'tres', NULL)

-- "+" between a text and a number adds.
> SELECT '1' + 1, 1 + '1', '1' + '1'
= 2|2|'11'
> SELECT SUBSTRING('AB0012', 3, 4) + 1
= 13
> SELECT Codigo + 1 FROM #n ORDER BY Id
= 13; 13; 8
> SELECT Codigo + Codigo FROM #n WHERE Id = 3
= '77'
> SELECT Cant + Codigo FROM #n WHERE Id = 1
= 13
> SELECT 'a' + 1
! 245: Error de conversión al convertir el valor varchar 'a' al tipo de datos int.
> SELECT '1.5' + 1
! 245: Error de conversión al convertir el valor varchar '1.5' al tipo de datos int.
> SELECT '1.5' + 1.0, '2' * 3, '10' / 4, 10 - '4'
= 2.5|6|2|6
> SELECT Precio + '1.5' FROM #n WHERE Id = 1
= 12.0000
> SELECT 'Total: ' + Precio FROM #n WHERE Id = 1
! 235
> SELECT 'a' - 'b'
! 8117: El tipo de datos varchar del operando no es válido para el operador subtract.
> SELECT Nombre + NULL, Cant + NULL FROM #n WHERE Id = 1
= NULL|NULL
> SELECT 1 + 2 + '3' + '4'
= 10
> SELECT '3' + '4' + 1 + 2
= 37

-- Arithmetic of the server: integer division, division by zero, modulo.
> SELECT 10 / 4, -7 / 2, 7 % 3, -7 % 3, CAST(10 AS float) / 4
= 2|-3|1|-1|2.5
> SELECT 1 / 0
! 8134: Se encontró un error de división entre cero.
> SELECT Cant / 0 FROM #n WHERE Id = 1
! 8134
> SELECT Cant % 0 FROM #n WHERE Id = 1
! 8134
> UPDATE #n SET Cant = Cant / 0 WHERE Id = 1
! 8134, 3621
> SELECT Cant / NULLIF(0, 0) FROM #n WHERE Id = 1
= NULL

-- A text compared with a number is compared as a number.
> SELECT Id FROM #n WHERE Codigo = 12 ORDER BY Id
= 1; 2
> SELECT Id FROM #n WHERE Codigo = '12'
= 2
> SELECT Id FROM #n WHERE Codigo > 8 ORDER BY Id
= 1; 2
> SELECT Id FROM #n WHERE Codigo IN (7, 99)
= 3
> SELECT Id FROM #n WHERE Cant = '2'
= 2
> SELECT Id FROM #n WHERE Cant = 'dos'
! 245
> SELECT Id FROM #n WHERE Nombre = 1
! 245: Error de conversión al convertir el valor varchar 'uno' al tipo de datos int.
> SELECT Id FROM #n WHERE Codigo BETWEEN 8 AND 20 ORDER BY Id
= 1; 2

-- Aggregates keep the column's type.
> SELECT AVG(Cant), SUM(Cant), MIN(Cant), MAX(Cant), COUNT(Cant), COUNT(*) FROM #n
= 1|3|1|2|2|3
> SELECT AVG(CAST(Cant AS float)) FROM #n
= 1.5
> SELECT AVG(Precio), SUM(Precio) FROM #n
= 622.5339|1245.0678
> SELECT SUM(Tasa), MAX(Tasa) FROM #n
= 3.75|2.25
> SELECT AVG(Id) FROM #n
= 2
> SELECT AVG(Id + 0), SUM(Id) / COUNT(Id) FROM #n WHERE Id < 3
= 1|1
> SELECT SUM(Codigo) FROM #n
! 8117: El tipo de datos varchar del operando no es válido para el operador sum.
> SELECT AVG(Nombre) FROM #n
! 8117

-- Numbers as text keep their scale.
> SELECT CONVERT(varchar, Precio), CONVERT(varchar, Precio, 2), CONVERT(varchar, Precio, 1) FROM #n WHERE Id = 2
= '1234.57'|'1234.5678'|'1,234.57'
> SELECT CONVERT(varchar, Precio), CAST(Precio AS varchar(20)) FROM #n WHERE Id = 1
= '10.50'|'10.50'
> SELECT CONVERT(varchar, Tasa), 'Tasa: ' + CAST(Tasa AS varchar(10)) FROM #n WHERE Id = 1
= '1.50'|'Tasa: 1.50'
> SELECT CAST(CAST(1.5 AS decimal(10,3)) AS varchar(20)), CONVERT(varchar, 12.50)
= '1.500'|'12.50'
> SELECT CONVERT(varchar, Peso), CONVERT(varchar, CAST(1234567.891 AS float)), CONVERT(varchar, CAST(0.1 AS float) + CAST(0.2 AS float)) FROM #n WHERE Id = 1
= '0.25'|'1.23457e+006'|'0.3'
> SELECT CONVERT(varchar, Cant), CONVERT(varchar, Activo) FROM #n WHERE Id = 1
= '1'|'1'
> SELECT CAST(123 AS varchar(2)), CAST(123 AS char(5))
= '*'|'123  '
> SELECT CAST(123.45 AS varchar(3))
! 8115
> SELECT 'Precio: ' + CONVERT(varchar, Precio) FROM #n WHERE Id = 1
= 'Precio: 10.50'
> SELECT LEN(Precio), LEFT(Tasa, 3) FROM #n WHERE Id = 1
= 5|'1.5'

-- ISNULL takes the first argument's type and length; COALESCE the highest of all.
> SELECT ISNULL(Nombre, 'abcdefghij') FROM #n WHERE Id = 2
= 'abcde'
> SELECT ISNULL(Cant, 'x') FROM #n WHERE Id = 3
! 245
> SELECT ISNULL(Cant, '5') + 1 FROM #n WHERE Id = 3
= 6
> SELECT ISNULL(Codigo, 0) + 1 FROM #n WHERE Id = 3
= 8
> SELECT COALESCE(Cant, 'x') FROM #n WHERE Id = 3
! 245
> SELECT COALESCE(Nombre, Codigo, 'z') FROM #n WHERE Id = 2
= '12'
> SELECT ISNULL(Precio, 0) FROM #n WHERE Id = 3
= 0.0000

-- CASE takes the highest type of its results; the one not chosen is not converted.
> SELECT CASE WHEN 1 = 1 THEN 1 ELSE 'x' END
= 1
> SELECT CASE WHEN 1 = 0 THEN 1 ELSE 'x' END
! 245
> SELECT CASE WHEN 1 = 0 THEN 1 ELSE '2' END + 1
= 3
> SELECT CASE Id WHEN '2' THEN 'dos' ELSE 'otro' END FROM #n ORDER BY Id
= 'otro'; 'dos'; 'otro'

-- Values stored take the column's type.
> INSERT INTO #n (Id, Cant, Tasa, Precio, Activo) VALUES (4, 2.7, 1.255, '12.5', 5)
> SELECT Cant, Tasa, Precio, Activo FROM #n WHERE Id = 4
= 2|1.26|12.5000|1
> UPDATE #n SET Cant = '9', Tasa = 7 WHERE Id = 4
> SELECT Cant + 1, Tasa FROM #n WHERE Id = 4
= 10|7.00
> INSERT INTO #n (Id, Cant) VALUES (5, 'abc')
! 245
> INSERT INTO #n (Id, Nombre) VALUES (6, 123)
> SELECT Nombre + 'x' FROM #n WHERE Id = 6
= '123x'
> INSERT INTO #n (Id, Codigo) SELECT 8, Precio FROM #n WHERE Id = 1
> SELECT Codigo FROM #n WHERE Id = 8
= '10.50'

-- Conversions.
> SELECT CONVERT(int, '42') + 1, CONVERT(int, 7.9), CONVERT(int, -7.9), CAST('12' AS int) * 2
= 43|7|-7|24
> SELECT CONVERT(int, '12.5')
! 245
> SELECT CAST('x' AS money)
! 235: No se puede convertir un valor char a money. La sintaxis del valor char es incorrecta.
> SELECT CAST('1,5' AS decimal(10,2))
! 8114: Error al convertir el tipo de datos varchar a numeric.
> SELECT CAST(2.675 AS decimal(10,2)), CAST(-2.5 AS decimal(10,0)), CAST(1.23456 AS money)
= 2.68|-3|1.2346
> SELECT CAST(5 AS bit), CAST(0 AS bit), CAST('true' AS bit)
= 1|0|1
> SELECT CAST(3000000000 AS int)
! 8115
> SELECT CAST(300 AS tinyint)
! 220: Error de desbordamiento aritmético para el tipo de datos tinyint, valor = 300.
> SELECT TRY_CONVERT(int, 'x'), TRY_CAST('12' AS int)
= NULL|12
