-- What the embedded engine does not run fails at once, naming the construct, and runs
-- nothing of its batch part; the connection goes on.
> CREATE TABLE #l (Id int, N varchar(10))
> INSERT INTO #l VALUES (1, 'a')
> BEGIN TRY SELECT 1 END TRY BEGIN CATCH SELECT 2 END CATCH
! 0: The embedded engine does not support TRY ... CATCH.
> DECLARE c CURSOR FOR SELECT Id FROM #l
! 0: The embedded engine does not support cursors (DECLARE c).
> OPEN c
! 0: The embedded engine does not support OPEN.
> DECLARE @t TABLE (Id int)
! 0: The embedded engine does not support table variables (@t).
> MERGE #l AS t USING #l AS s ON t.Id = s.Id WHEN MATCHED THEN UPDATE SET N = 'b';
! 0: The embedded engine does not support MERGE.
> CREATE PROCEDURE sp_Nuevo AS SELECT 1
! 0: The embedded engine does not support CREATE PROCEDURE.
> CREATE TRIGGER tr ON #l FOR INSERT AS SELECT 1
! 0: The embedded engine does not support CREATE TRIGGER.
> EXEC sp_executesql N'SELECT 1'
! 0: The embedded engine does not support sp_executesql.
> SELECT FORMAT(GETDATE(), 'd')
! 0: The embedded engine does not support the function FORMAT.
> SELECT STRING_AGG(N, ',') FROM #l
! 0: The embedded engine does not support the function STRING_AGG.
> SELECT * FROM #l a CROSS APPLY (SELECT TOP 1 * FROM #l b WHERE b.Id = a.Id) c
! 0: The embedded engine does not support CROSS APPLY and OUTER APPLY.
> SELECT * FROM #l PIVOT (MAX(N) FOR Id IN ([1])) p
! 0: The embedded engine does not support PIVOT and UNPIVOT.
> SELECT * FROM #l OPTION (RECOMPILE)
! 0: The embedded engine does not support query hints (OPTION).
> SELECT * FROM #l FOR XML AUTO
! 0: The embedded engine does not support FOR XML / FOR BROWSE.
> CREATE TABLE ##global (Id int)
! 0: The embedded engine does not support global temporary tables (##global).
> SET ANSI_NULLS OFF
! 0: The embedded engine does not support SET ANSI_NULLS OFF.
> SET ROWCOUNT 5
! 0: The embedded engine does not support SET ROWCOUNT 5.
> SET IMPLICIT_TRANSACTIONS ON
! 0: The embedded engine does not support SET IMPLICIT_TRANSACTIONS ON.
> SET CONCAT_NULL_YIELDS_NULL OFF
! 0: The embedded engine does not support SET CONCAT_NULL_YIELDS_NULL OFF.
> SET LANGUAGE Deutsch
! 0: The embedded engine does not support SET LANGUAGE Deutsch.
> SET DATEFORMAT ydm
! 0: The embedded engine does not support SET DATEFORMAT ydm.
> SET SHOWPLAN_ALL ON
! 0: The embedded engine does not support SET SHOWPLAN_ALL ON.
> GOTO fin
! 0: The embedded engine does not support GOTO.
> WAITFOR DELAY '00:00:01'
! 0: The embedded engine does not support WAITFOR.
> SELECT @@VERSION
! 0: The embedded engine does not support @@VERSION.
> INSERT INTO #l EXEC ('SELECT 2, ''b''')
! 0: The embedded engine does not support INSERT ... EXEC.
> UPDATE TOP (1) #l SET N = 'z'
! 0: The embedded engine does not support UPDATE TOP.
> DELETE TOP (1) FROM #l
! 0: The embedded engine does not support DELETE TOP.
> SELECT TOP 10 PERCENT Id FROM #l UNION SELECT 2
! 0: The embedded engine does not support TOP ... PERCENT or WITH TIES in a UNION.
> DECLARE @n varchar(10) = 'x' BEGIN TRAN @n
! 0: The embedded engine does not support transaction names in variables.
> RAISERROR (50005, 16, 1)
! 0: The embedded engine does not support RAISERROR with a message number.
> SELECT * FROM dbo.fn_Tabla(1)
! 0: The embedded engine does not support table-valued functions (fn_Tabla).
> SELECT 5 ^ 3
! 0: The embedded engine does not support the ^ operator.
> SELECT COUNT(*) FROM #l
= 1
> INSERT INTO #l VALUES (2, 'b') SELECT FORMAT(1, 'n')
! 0: The embedded engine does not support the function FORMAT.
> SELECT COUNT(*) FROM #l
= 1
