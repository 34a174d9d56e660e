DECLARE @x int SET @x = 1
GO
SELECT @x