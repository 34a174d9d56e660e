-- Batches and transactions: statements need no line break between them, an error ends its
-- statement and not the transaction (no XACT_ABORT), the engine leaves no transaction open.
> CREATE TABLE #t (Id int NOT NULL PRIMARY KEY, Nombre varchar(10) NOT NULL)
> CREATE TABLE #e (Numero int)

-- Several statements on one line; Execute hands back the first row set.
> SELECT 1 SELECT 2
= 1
> INSERT INTO #t VALUES (1, 'uno') INSERT INTO #t VALUES (2, 'dos') SELECT COUNT(*) FROM #t
= 2
> BEGIN TRAN INSERT INTO #t VALUES (3, 'tres') COMMIT TRAN
= (no result)
> SELECT COUNT(*), @@TRANCOUNT FROM #t
= 3|0
> INSERT INTO #t VALUES (4, 'cuatro'); INSERT INTO #t VALUES (5, 'cinco');
> SELECT COUNT(*) FROM #t
= 5
> INSERT #t SELECT 6, 'seis' UNION ALL SELECT 7, 'siete'
> SELECT MAX(Id) FROM #t
= 7
> DELETE #t WHERE Id > 5 SELECT COUNT(*) FROM #t
= 5

-- A failing statement inside a transaction: the statement ends, the transaction and the batch go on.
> BEGIN TRAN INSERT INTO #t VALUES (1, 'repetido') INSERT INTO #t VALUES (10, 'diez') COMMIT TRAN
! 2627, 3621
> SELECT Nombre, @@TRANCOUNT FROM #t WHERE Id IN (1, 10) ORDER BY Id
= 'uno'|0; 'diez'|0
> INSERT INTO #t VALUES (11, NULL) INSERT INTO #t VALUES (12, 'doce')
! 515, 3621
> SELECT COUNT(*) FROM #t WHERE Id IN (11, 12)
= 1
> INSERT INTO #t VALUES (13, 'demasiado largo') INSERT INTO #t VALUES (14, 'catorce')
! 8152, 3621
> SELECT COUNT(*) FROM #t WHERE Id IN (13, 14)
= 1
> BEGIN TRAN INSERT INTO #t VALUES (15, 'quince') INSERT INTO #t VALUES (1, 'repetido') ROLLBACK TRAN
! 2627, 3621
> SELECT COUNT(*), @@TRANCOUNT FROM #t WHERE Id = 15
= 0|0
-- Two failures: each with its own "statement has been terminated".
> INSERT INTO #t VALUES (1, 'a') INSERT INTO #t VALUES (2, 'b') INSERT INTO #t VALUES (16, 'dieciseis')
! 2627, 3621, 2627, 3621
> SELECT COUNT(*) FROM #t WHERE Id = 16
= 1

-- The program's batch runner: a bare CR between statements, the transaction left open on a
-- failure for its own ROLLBACK TRANSACTION, and committed by COMMIT TRANSACTION otherwise.
> BEGIN TRANSACTION 
| 
| INSERT INTO #t (Id, Nombre) VALUES (20, 'veinte')
| INSERT INTO #t (Id, Nombre) VALUES (1, 'uno')
| INSERT INTO #t (Id, Nombre) VALUES (21, 'veintiuno')
| 
! 2627, 3621
> SELECT @@TRANCOUNT
= 1
> ROLLBACK TRANSACTION
> SELECT COUNT(*), @@TRANCOUNT FROM #t WHERE Id IN (20, 21)
= 0|0
> BEGIN TRANSACTION 
| 
| INSERT INTO #t (Id, Nombre) VALUES (22, 'a')
| UPDATE #t SET Nombre = 'b' WHERE Id = 22
| 
> COMMIT TRANSACTION
> SELECT Nombre, @@TRANCOUNT FROM #t WHERE Id = 22
= 'b'|0

-- Nesting, savepoints and their errors.
> BEGIN TRAN BEGIN TRAN SELECT @@TRANCOUNT
= 2
> COMMIT SELECT @@TRANCOUNT
= 1
> COMMIT TRAN SELECT @@TRANCOUNT
= 0
> COMMIT TRANSACTION
! 3902: La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION.
> ROLLBACK
! 3903: La solicitud ROLLBACK TRANSACTION no tiene la correspondiente BEGIN TRANSACTION.
> BEGIN TRAN INSERT INTO #t VALUES (30, 'a') SAVE TRAN punto INSERT INTO #t VALUES (31, 'b') ROLLBACK TRAN punto COMMIT
> SELECT Id FROM #t WHERE Id IN (30, 31)
= 30
> SAVE TRANSACTION punto
! 628
> BEGIN TRAN uno INSERT INTO #t VALUES (32, 'c') ROLLBACK TRAN uno SELECT COUNT(*), @@TRANCOUNT FROM #t WHERE Id = 32
= 0|0
> BEGIN TRAN ROLLBACK TRAN otro
! 6401
> ROLLBACK
> SELECT @@TRANCOUNT
= 0

-- XACT_ABORT ON: any error rolls the transaction back and ends the batch.
> SET XACT_ABORT ON BEGIN TRAN INSERT INTO #t VALUES (40, 'a') INSERT INTO #t VALUES (1, 'b') INSERT INTO #t VALUES (41, 'c') COMMIT
! 2627, 3621
> SELECT COUNT(*), @@TRANCOUNT FROM #t WHERE Id IN (40, 41)
= 0|0
> SET XACT_ABORT OFF

-- How far an error reaches: a missing table ends the batch, not the transaction; a GO part
-- runs on its own; a syntax error anywhere keeps the whole part from running.
> INSERT INTO #t VALUES (50, 'a') SELECT * FROM NoExiste INSERT INTO #t VALUES (51, 'b')
! 208: El nombre de objeto 'NoExiste' no es válido.
> SELECT Id FROM #t WHERE Id IN (50, 51)
= 50
> INSERT INTO #t VALUES (52, 'a')
+ GO
+ SELECT * FROM NoExiste
+ GO
+ INSERT INTO #t VALUES (53, 'b')
! 208
> SELECT COUNT(*) FROM #t WHERE Id IN (52, 53)
= 2
> INSERT INTO #t VALUES (54, 'a') SELECT FROM WHERE
! 102
> SELECT COUNT(*) FROM #t WHERE Id = 54
= 0
> BEGIN TRAN INSERT INTO #t VALUES (55, 'a') SELECT * FROM NoExiste
! 208
> SELECT @@TRANCOUNT
= 1
> COMMIT
> SELECT COUNT(*) FROM #t WHERE Id = 55
= 1
> SELECT CONVERT(int, 'x') INSERT INTO #t VALUES (56, 'a')
! 245
> SELECT COUNT(*) FROM #t WHERE Id = 56
= 0
> BEGIN
! 102
> SELECT @@TRANCOUNT
= 0

-- @@ERROR and @@ROWCOUNT after each statement.
> INSERT INTO #t VALUES (1, 'x') INSERT INTO #e SELECT @@ERROR INSERT INTO #e SELECT @@ERROR
! 2627, 3621
> SELECT Numero FROM #e ORDER BY Numero DESC
= 2627; 0
> UPDATE #t SET Nombre = 'x' WHERE Id IN (1, 2) SELECT @@ROWCOUNT
= 2
> DECLARE @n varchar(10) SELECT @n = Nombre FROM #t WHERE Id < 5 SELECT @@ROWCOUNT
= 4

-- Control flow and variables.
> IF (SELECT COUNT(*) FROM #t) > 0 SELECT 'hay' ELSE SELECT 'vacio'
= 'hay'
> IF NOT EXISTS (SELECT * FROM #t WHERE Id = 999) SELECT 'falta'
= 'falta'
> IF 1 = 0 SELECT 'no' ELSE IF 2 = 2 SELECT 'segundo' ELSE SELECT 'tercero'
= 'segundo'
> IF 1 = 0 BEGIN SELECT 'a' SELECT 'b' END SELECT 'c'
= 'c'
> DECLARE @i int = 0 WHILE @i < 5 SET @i = @i + 1 SELECT @i
= 5
> DECLARE @i int = 0, @s int = 0 WHILE 1 = 1 BEGIN SET @i += 1 IF @i > 10 BREAK IF @i % 2 = 0 CONTINUE SET @s = @s + @i END SELECT @s
= 25
> DECLARE @n int SELECT @n
= NULL
> DECLARE @a int = 1, @b varchar(5) = 'x' SELECT @a = @a + 1, @b = @b + 'y' SELECT @a, @b
= 2|'xy'
> DECLARE @k int = 7 SELECT @k = Id FROM #t WHERE Id = 999 SELECT @k
= 7
> DECLARE @k int = 7 SET @k = (SELECT Id FROM #t WHERE Id = 999) SELECT @k
= NULL
> SELECT @nada = 1
! 137: Debe declarar la variable escalar "@nada".
> DECLARE @x int SET @x = 1
+ GO
+ SELECT @x
! 137: Debe declarar la variable escalar "@x".
> DECLARE @r int = 1 WHILE @r < 100 BEGIN SET @r = @r * 2 IF @r > 20 RETURN END SELECT 'no llega'
= (no result)
> DECLARE @sql varchar(100) = 'SELECT COUNT(*) FROM #t WHERE Id < 3' EXEC (@sql)
= 2
> EXEC ('SELECT ' + '42')
= 42
> PRINT 'hola' SELECT 'luego'
= 'luego'
> RAISERROR ('Falta %s en %d lugares', 16, 1, 'algo', 3) INSERT INTO #t VALUES (60, 'a')
! 50000: Falta algo en 3 lugares
> SELECT COUNT(*) FROM #t WHERE Id = 60
= 1
> RAISERROR ('solo un aviso', 10, 1) SELECT 'sigue'
= 'sigue'
> THROW 50001, 'No se puede', 1 INSERT INTO #t VALUES (61, 'a')
! 50001: No se puede
> SELECT COUNT(*) FROM #t WHERE Id = 61
= 0
> SET NOCOUNT ON SELECT 'con opciones' SET NOCOUNT OFF
= 'con opciones'
> SET DATEFORMAT mdy SELECT CONVERT(datetime, '03/05/2024') SET DATEFORMAT dmy
= 2024-03-05 00:00:00.000
> SELECT CONVERT(datetime, '03/05/2024')
= 2024-05-03 00:00:00.000
