-- Functions: text, numbers, identity values and the session's counters.
> SELECT STR(123.45, 6, 1), STR(123.45, 6, 2), STR(123.45, 2, 2), STR(12)
= ' 123.5'|'123.45'|'**'|'        12'
> SELECT STR(1234567.89, 7, 2), STR(1234567.89, 6, 2), STR(FLOOR(123.45), 8, 3), STR(-1.5)
= '1234568'|'******'|' 123.000'|'        -2'
> SELECT STR(NULL), STR(1, 0)
= NULL|NULL
> SELECT '[' + SPACE(3) + ']', SPACE(0), SPACE(-1)
= '[   ]'|''|NULL
> SELECT ASCII('A'), ASCII('abc'), ASCII('ñ'), ASCII('€'), ASCII('')
= 65|97|241|128|NULL
> SELECT CHAR(65), CHAR(241), CHAR(128), CHAR(256), CHAR(-1)
= 'A'|'ñ'|'€'|NULL|NULL
> SELECT NCHAR(241), NCHAR(8364), UNICODE('€'), UNICODE('abc'), UNICODE('')
= 'ñ'|'€'|8364|97|NULL
> SELECT LEN('ab  '), LEN('  ab'), DATALENGTH('ab  '), LEN(''), LEN(NULL)
= 2|4|4|0|NULL
> SELECT LEFT('abcdef', 2), RIGHT('abcdef', 2), LEFT('ab', 5), LEFT(NULL, 1)
= 'ab'|'ef'|'ab'|NULL
> SELECT LEFT('abc', -1)
! 536
> SELECT SUBSTRING('abcdef', 2, 3), SUBSTRING('abcdef', 0, 3), SUBSTRING('abcdef', -1, 3), SUBSTRING('abc', 2, 10), SUBSTRING('abc', 5, 1)
= 'bcd'|'ab'|'a'|'bc'|''
> SELECT SUBSTRING('abc', 1, -1)
! 537
> SELECT LTRIM('  a '), RTRIM(' a  '), LTRIM(RTRIM('  a  ')), UPPER('ñandú'), LOWER('ÁRBOL')
= 'a '|' a'|'a'|'ÑANDÚ'|'árbol'
> SELECT REPLACE('abcabc', 'b', 'XY'), REPLACE('abc', '', 'x'), REPLACE(NULL, 'a', 'b'), REPLACE('aAa', 'A', '-')
= 'aXYcaXYc'|'abc'|NULL|'---'
> SELECT REPLICATE('0', 3) + '7', REPLICATE('ab', 0), REPLICATE('x', -1)
= '0007'|''|NULL
> SELECT REVERSE('abc'), STUFF('abcdef', 2, 3, 'ijklmn'), STUFF('abc', 5, 1, 'x')
= 'cba'|'aijklmnef'|NULL
> SELECT CHARINDEX('b', 'abcb'), CHARINDEX('b', 'abcb', 3), CHARINDEX('z', 'abc'), CHARINDEX('B', 'abc')
= 2|4|0|2
> SELECT PATINDEX('%ter%', 'interesting data'), PATINDEX('%[0-9]%', 'abc7d'), PATINDEX('ab%', 'abc'), PATINDEX('%z%', 'abc')
= 3|4|1|0
> SELECT CONCAT('a', NULL, 1, 'b'), CONCAT(NULL, NULL)
= 'a1b'|''
> SELECT ISNUMERIC('12.5'), ISNUMERIC('abc'), ISNUMERIC('1e3'), ISNUMERIC(''), ISNUMERIC(12)
= 1|0|1|0|1
> SELECT ISDATE('20240229'), ISDATE('20230229'), ISDATE('31/12/2024'), ISDATE('hoy')
= 1|0|1|0
> SELECT NULLIF(1, 1), NULLIF(1, 2), COALESCE(NULL, NULL, 3), IIF(1 > 0, 'si', 'no'), IIF(NULL > 0, 'si', 'no')
= NULL|1|3|'si'|'no'

-- Numbers.
> SELECT CEILING(1.2), CEILING(-1.2), FLOOR(1.8), FLOOR(-1.2), CEILING(5)
= 2|-1|1|-2|5
> SELECT SIGN(-5), SIGN(0), SIGN(2.5), ABS(-3), ABS(-1.25)
= -1|0|1.0|3|1.25
> SELECT ROUND(123.4567, 2), ROUND(123.4567, 2, 1), ROUND(1234, -2), ROUND(2.5, 0), ROUND(-2.5, 0)
= 123.4600|123.4500|1200|3.0|-3.0
> SELECT ROUND(1.005, 2), ROUND(CAST(1.5 AS float), 0)
= 1.010|2
> SELECT POWER(2, 10), POWER(2, -1), SQRT(16), SQUARE(3), PI()
= 1024|0|4|9|3.14159265358979
> SELECT LOG(1), LOG10(100), EXP(0), LOG(8, 2)
= 0|2|1|3

-- Identity values: SCOPE_IDENTITY() for this batch, @@IDENTITY for the session.
> CREATE TABLE #id (Id int IDENTITY(1,1) PRIMARY KEY, N varchar(5))
> SELECT SCOPE_IDENTITY(), @@IDENTITY
= NULL|NULL
> INSERT INTO #id (N) VALUES ('a') SELECT SCOPE_IDENTITY(), @@IDENTITY
= 1|1
> INSERT INTO #id (N) VALUES ('b') INSERT INTO #id (N) VALUES ('c') SELECT @@IDENTITY, SCOPE_IDENTITY()
= 3|3
> SELECT @@IDENTITY, SCOPE_IDENTITY()
= 3|NULL
> DECLARE @nuevo int INSERT INTO #id (N) VALUES ('d') SET @nuevo = SCOPE_IDENTITY() SELECT N FROM #id WHERE Id = @nuevo
= 'd'
> CREATE TABLE #sin (N int)
> INSERT INTO #sin VALUES (5) SELECT @@IDENTITY, SCOPE_IDENTITY()
= NULL|NULL
> INSERT INTO #id (N) SELECT 'e' UNION ALL SELECT 'f' SELECT SCOPE_IDENTITY(), @@ROWCOUNT
= 6|2
> CREATE TABLE #raro (Id int IDENTITY(100, 10), N int)
! 0: El motor integrado no admite IDENTITY con un valor inicial o un incremento distinto de 1.

-- @@ROWCOUNT after each kind of statement.
> UPDATE #id SET N = 'z' WHERE Id > 4 SELECT @@ROWCOUNT
= 2
> DELETE FROM #id WHERE Id = 6 SELECT @@ROWCOUNT
= 1
> UPDATE #id SET N = 'y' WHERE Id = 999 SELECT @@ROWCOUNT
= 0
> DECLARE @x varchar(5) SELECT @x = N FROM #id SELECT @@ROWCOUNT, @x
= 5|'z'
> SELECT N INTO #copia FROM #id WHERE Id < 3 SELECT @@ROWCOUNT
= 2

-- OBJECT_ID and the temporary tables of the session.
> SELECT CASE WHEN OBJECT_ID('tempdb..#id') IS NOT NULL THEN 1 ELSE 0 END, CASE WHEN OBJECT_ID('tempdb..#nada') IS NULL THEN 1 ELSE 0 END
= 1|1
> SELECT CASE WHEN OBJECT_ID('TA_USUARIOS') IS NOT NULL THEN 1 ELSE 0 END, CASE WHEN OBJECT_ID('dbo.TA_USUARIOS', 'U') IS NOT NULL THEN 1 ELSE 0 END
= 1|1
> IF OBJECT_ID('tempdb..#copia') IS NOT NULL DROP TABLE #copia SELECT CASE WHEN OBJECT_ID('tempdb..#copia') IS NULL THEN 1 ELSE 0 END
= 1
> SELECT * FROM #copia
! 208: El nombre de objeto '#copia' no es válido.
