-- What the embedded engine does not run fails at once, naming the construct, and runs
-- nothing of its batch part; the connection goes on.
> CREATE TABLE #l (Id int, N varchar(10))
> INSERT INTO #l VALUES (1, 'a')
> BEGIN TRY SELECT 1 END TRY BEGIN CATCH SELECT 2 END CATCH
! 0: El motor integrado no admite TRY ... CATCH.
> DECLARE c CURSOR FOR SELECT Id FROM #l
! 0: El motor integrado no admite cursores (DECLARE c).
> OPEN c
! 0: El motor integrado no admite OPEN.
> DECLARE @t TABLE (Id int)
! 0: El motor integrado no admite variables de tabla (@t).
> MERGE #l AS t USING #l AS s ON t.Id = s.Id WHEN MATCHED THEN UPDATE SET N = 'b';
! 0: El motor integrado no admite MERGE.
> CREATE PROCEDURE sp_Nuevo AS SELECT 1
! 0: El motor integrado no admite CREATE PROCEDURE.
> CREATE TRIGGER tr ON #l FOR INSERT AS SELECT 1
! 0: El motor integrado no admite CREATE TRIGGER.
> EXEC sp_executesql N'SELECT 1'
! 0: El motor integrado no admite sp_executesql.
> SELECT FORMAT(GETDATE(), 'd')
! 0: El motor integrado no admite la función FORMAT.
> SELECT STRING_AGG(N, ',') FROM #l
! 0: El motor integrado no admite la función STRING_AGG.
> SELECT * FROM #l a CROSS APPLY (SELECT TOP 1 * FROM #l b WHERE b.Id = a.Id) c
! 0: El motor integrado no admite CROSS APPLY ni OUTER APPLY.
> SELECT * FROM #l PIVOT (MAX(N) FOR Id IN ([1])) p
! 0: El motor integrado no admite PIVOT ni UNPIVOT.
> SELECT * FROM #l OPTION (RECOMPILE)
! 0: El motor integrado no admite sugerencias de consulta (OPTION).
> SELECT * FROM #l FOR XML AUTO
! 0: El motor integrado no admite FOR XML / FOR BROWSE.
> CREATE TABLE ##global (Id int)
! 0: El motor integrado no admite tablas temporales globales (##global).
> SET ANSI_NULLS OFF
! 0: El motor integrado no admite SET ANSI_NULLS OFF.
> SET ROWCOUNT 5
! 0: El motor integrado no admite SET ROWCOUNT 5.
> SET IMPLICIT_TRANSACTIONS ON
! 0: El motor integrado no admite SET IMPLICIT_TRANSACTIONS ON.
> SET CONCAT_NULL_YIELDS_NULL OFF
! 0: El motor integrado no admite SET CONCAT_NULL_YIELDS_NULL OFF.
> SET LANGUAGE Deutsch
! 0: El motor integrado no admite SET LANGUAGE Deutsch.
> SET DATEFORMAT ydm
! 0: El motor integrado no admite SET DATEFORMAT ydm.
> SET SHOWPLAN_ALL ON
! 0: El motor integrado no admite SET SHOWPLAN_ALL ON.
> GOTO fin
! 0: El motor integrado no admite GOTO.
> WAITFOR DELAY '00:00:01'
! 0: El motor integrado no admite WAITFOR.
> SELECT @@VERSION
! 0: El motor integrado no admite @@VERSION.
> INSERT INTO #l EXEC ('SELECT 2, ''b''')
! 0: El motor integrado no admite INSERT ... EXEC.
> UPDATE TOP (1) #l SET N = 'z'
! 0: El motor integrado no admite UPDATE TOP.
> DELETE TOP (1) FROM #l
! 0: El motor integrado no admite DELETE TOP.
> SELECT TOP 10 PERCENT Id FROM #l UNION SELECT 2
! 0: El motor integrado no admite TOP ... PERCENT ni WITH TIES en una UNION.
> DECLARE @n varchar(10) = 'x' BEGIN TRAN @n
! 0: El motor integrado no admite nombres de transacción en variables.
> RAISERROR (50005, 16, 1)
! 0: El motor integrado no admite RAISERROR con un número de mensaje.
> SELECT * FROM dbo.fn_Tabla(1)
! 0: El motor integrado no admite funciones con valores de tabla (fn_Tabla).
> SELECT 5 ^ 3
! 0: El motor integrado no admite el operador ^.
> SELECT COUNT(*) FROM #l
= 1
> INSERT INTO #l VALUES (2, 'b') SELECT FORMAT(1, 'n')
! 0: El motor integrado no admite la función FORMAT.
> SELECT COUNT(*) FROM #l
= 1
