-- Dates: the unambiguous literal forms are dates wherever they meet a datetime, a datetime
-- plus or minus a number moves by days, the date functions and CONVERT's styles.
-- The session is a Spanish login: dates read day first, weeks start on Monday.
> CREATE TABLE #f (Id int, Fecha datetime, Texto varchar(30))
> INSERT INTO #f VALUES (1, '20240315 10:30:00', '15/03/2024')
> INSERT INTO #f VALUES (2, '2024-01-31T23:59:59.997', '2024-03-15')
> INSERT INTO #f VALUES (3, NULL, NULL)
> INSERT INTO #f (Id, Fecha) VALUES (4, '29/02/2024 08:05')

-- Literals compared with a datetime, in every unambiguous form and the regional one.
> SELECT Id FROM #f WHERE Fecha = '20240315 10:30'
= 1
> SELECT Id FROM #f WHERE Fecha = '2024-03-15T10:30:00'
= 1
> SELECT Id FROM #f WHERE Fecha = '2024-03-15T10:30:00.000'
= 1
> SELECT Id FROM #f WHERE '20240315 10:30:00' = Fecha
= 1
> SELECT Id FROM #f WHERE Fecha = '15/03/2024 10:30'
= 1
> SELECT Id FROM #f WHERE Fecha > '20240301' ORDER BY Id
= 1
> SELECT Id FROM #f WHERE Fecha < '20240301' ORDER BY Id
= 2; 4
> SELECT Id FROM #f WHERE Fecha IN ('20240315 10:30', '2024-01-31T23:59:59.997') ORDER BY Id
= 1; 2
> SELECT Id FROM #f WHERE Fecha NOT IN ('20240315 10:30') ORDER BY Id
= 2; 4
> SELECT Id FROM #f WHERE Fecha BETWEEN '20240101' AND '20240131 23:59:59.997'
= 2
> SELECT Id FROM #f WHERE Fecha BETWEEN '20240201' AND '20240315' ORDER BY Id
= 4
> SELECT ISNULL(Fecha, '20240101') FROM #f WHERE Id = 3
= 2024-01-01 00:00:00.000
> SELECT COALESCE(Fecha, '20240102') FROM #f WHERE Id = 3
= 2024-01-02 00:00:00.000
> SELECT CASE WHEN Id = 3 THEN '20240102' ELSE Fecha END FROM #f WHERE Id IN (1, 3) ORDER BY Id
= 2024-03-15 10:30:00.000; 2024-01-02 00:00:00.000
> SELECT CASE Fecha WHEN '20240315 10:30' THEN 'es' ELSE 'no' END FROM #f WHERE Id = 1
= 'es'
> SELECT Id FROM #f WHERE Fecha = '31/02/2024'
! 241
> SELECT Id FROM #f WHERE Fecha = 'mañana'
! 241
> SELECT 'Fecha: ' + Fecha FROM #f WHERE Id = 1
! 241
> SELECT 'Fecha: ' + CONVERT(varchar(10), Fecha, 103) FROM #f WHERE Id = 1
= 'Fecha: 15/03/2024'

-- Adding and subtracting days.
> SELECT Fecha + 1, Fecha - 15, Fecha + 0.5 FROM #f WHERE Id = 1
= 2024-03-16 10:30:00.000|2024-02-29 10:30:00.000|2024-03-15 22:30:00.000
> SELECT 1 + Fecha FROM #f WHERE Id = 4
= 2024-03-01 08:05:00.000
> SELECT COUNT(*) FROM #f WHERE Fecha > GETDATE() - 36500
= 3
> SELECT COUNT(*) FROM #f WHERE Fecha < GETDATE() + 1
= 3
> SELECT DATEDIFF(dd, Fecha - 30, Fecha), DATEDIFF(dd, Fecha, Fecha + 1) FROM #f WHERE Id = 1
= 30|1
> SELECT DATEDIFF(dd, 0, Fecha) FROM #f WHERE Id = 1
= 45364
> SELECT DATEADD(dd, DATEDIFF(dd, 0, Fecha), 0) FROM #f WHERE Id = 1
= 2024-03-15 00:00:00.000
> SELECT DATEADD(month, DATEDIFF(month, 0, Fecha), 0) FROM #f WHERE Id = 1
= 2024-03-01 00:00:00.000
> UPDATE #f SET Fecha = Fecha + 1 WHERE Id = 4
> SELECT Fecha FROM #f WHERE Id = 4
= 2024-03-01 08:05:00.000
> UPDATE #f SET Fecha = '20240229 08:05' WHERE Id = 4
> SELECT Id FROM #f WHERE Fecha = '29/02/2024 08:05'
= 4
> SELECT CONVERT(datetime, 1), CONVERT(datetime, 0.25)
= 1900-01-02 00:00:00.000|1900-01-01 06:00:00.000
> SELECT YEAR(0), MONTH(0), DAY(0)
= 1900|1|1
> SELECT DATEADD(day, 1, '01/02/2024')
= 2024-02-02 00:00:00.000

-- Boundaries the server counts.
> SELECT DATEDIFF(month, '20240131', '20240201'), DATEDIFF(year, '20231231', '20240101'), DATEDIFF(day, '20240101 23:59', '20240102 00:01')
= 1|1|1
> SELECT DATEDIFF(week, '20240309', '20240310'), DATEDIFF(hour, '20240101 10:59', '20240101 11:00'), DATEDIFF(minute, '20240101', '20240102')
= 1|1|1440
> SELECT DATEDIFF(quarter, '20240331', '20240401'), DATEDIFF(second, '20240101 00:00:00', '20240101 00:01:00')
= 1|60
> SELECT DATEADD(month, 1, '20240131'), DATEADD(year, 1, '20240229'), DATEADD(hh, -1, '20240101')
= 2024-02-29 00:00:00.000|2025-02-28 00:00:00.000|2023-12-31 23:00:00.000
> SELECT DATEADD(quarter, 1, '20240115'), DATEADD(wk, 2, '20240101'), DATEADD(mi, 90, '20240101')
= 2024-04-15 00:00:00.000|2024-01-15 00:00:00.000|2024-01-01 01:30:00.000
> SELECT DATEADD(ms, 3, '20240101')
= 2024-01-01 00:00:00.003
> SELECT DATEADD(fortnight, 1, '20240101')
! 155

-- DATEPART and DATENAME.
> SELECT DATEPART(year, Fecha), DATEPART(quarter, Fecha), DATEPART(month, Fecha), DATEPART(dayofyear, Fecha), DATEPART(day, Fecha) FROM #f WHERE Id = 1
= 2024|1|3|75|15
> SELECT DATEPART(week, Fecha), DATEPART(weekday, Fecha), DATEPART(hour, Fecha), DATEPART(minute, Fecha), DATEPART(second, Fecha) FROM #f WHERE Id = 1
= 11|5|10|30|0
> SELECT DATEPART(yy, '20240315'), DATEPART(mm, '20240315'), DATEPART(dd, '20240315'), DATEPART(dw, '20240317')
= 2024|3|15|7
> SELECT DATEPART(iso_week, '20240101'), DATEPART(isowk, '20231231'), DATEPART(ms, '20240101 10:00:00.123')
= 1|52|123
> SELECT DATENAME(month, Fecha), DATENAME(weekday, Fecha), DATENAME(year, Fecha), DATENAME(day, Fecha) FROM #f WHERE Id = 1
= 'Marzo'|'Viernes'|'2024'|'15'
> SET DATEFIRST 7 SELECT DATEPART(dw, '20240315'), DATEPART(dw, '20240317') SET DATEFIRST 1
= 6|1
> SET LANGUAGE us_english SELECT DATENAME(month, '03/15/2024'), DATENAME(dw, '03/15/2024'), DATEPART(dw, '03/15/2024') SET LANGUAGE Español
= 'March'|'Friday'|6
> SELECT DATENAME(month, '15/03/2024')
= 'Marzo'
> SELECT YEAR(Fecha), MONTH(Fecha), DAY(Fecha) FROM #f WHERE Id = 2
= 2024|1|31

-- CONVERT to text by style; a text stays the text it is.
> SELECT CONVERT(varchar, Fecha, 101), CONVERT(varchar, Fecha, 103), CONVERT(varchar, Fecha, 112) FROM #f WHERE Id = 1
= '03/15/2024'|'15/03/2024'|'20240315'
> SELECT CONVERT(varchar, Fecha, 120), CONVERT(varchar, Fecha, 121), CONVERT(varchar, Fecha, 108) FROM #f WHERE Id = 1
= '2024-03-15 10:30:00'|'2024-03-15 10:30:00.000'|'10:30:00'
> SELECT CONVERT(varchar(10), Fecha, 120), CONVERT(char(10), Fecha, 23), CONVERT(varchar, Fecha, 104), CONVERT(varchar, Fecha, 105) FROM #f WHERE Id = 1
= '2024-03-15'|'2024-03-15'|'15.03.2024'|'15-03-2024'
> SELECT CONVERT(varchar, Fecha, 102), CONVERT(varchar, Fecha, 111), CONVERT(varchar, Fecha, 126), CONVERT(varchar, Fecha, 3), CONVERT(varchar, Fecha, 1) FROM #f WHERE Id = 1
= '2024.03.15'|'2024/03/15'|'2024-03-15T10:30:00'|'15/03/24'|'03/15/24'
> SELECT CONVERT(varchar, Fecha, 121) FROM #f WHERE Id = 2
= '2024-01-31 23:59:59.997'
> SET LANGUAGE us_english SELECT CONVERT(varchar, CONVERT(datetime, '01/05/2024 13:45'), 100) SET LANGUAGE Español
= 'Jan  5 2024  1:45PM'
> SELECT CONVERT(varchar(20), CONVERT(datetime, '05/01/2024 09:05'), 100)
= 'Ene  5 2024  9:05AM'
> SELECT CONVERT(varchar, Texto, 103), CONVERT(varchar(10), '2024-03-15', 103) FROM #f WHERE Id = 2
= '2024-03-15'|'2024-03-15'
> SELECT CAST(Fecha AS varchar(30)) FROM #f WHERE Id = 1
= 'Mar 15 2024 10:30AM'
> SELECT CONVERT(datetime, '15/03/2024', 103), CONVERT(datetime, '03/15/2024', 101), CONVERT(datetime, '20240315', 112)
= 2024-03-15 00:00:00.000|2024-03-15 00:00:00.000|2024-03-15 00:00:00.000
> SELECT CONVERT(datetime, '2024-03-15 10:30:00', 120), CONVERT(datetime, '2024-03-15T10:30:00.5', 126)
= 2024-03-15 10:30:00.000|2024-03-15 10:30:00.500
> SELECT CONVERT(datetime, 'no es fecha')
! 241: Error de conversión al convertir una cadena de caracteres en fecha y/u hora.
> SELECT CONVERT(varchar(23), CONVERT(datetime, '2024-01-01T10:00:00.125'), 121), CONVERT(datetime, '2024-12-31T23:59:59.999')
= '2024-01-01 10:00:00.127'|2025-01-01 00:00:00.000
> SELECT CONVERT(varchar(8), CONVERT(datetime, '10:30'), 108), CONVERT(datetime, '10:30')
= '10:30:00'|1900-01-01 10:30:00.000

-- A datetime read as text by LIKE is in the server's default form, month first.
> SELECT COUNT(*) FROM #f WHERE Fecha LIKE '2024%'
= 0
> SELECT COUNT(*) FROM #f WHERE Fecha LIKE '%2024%'
= 3
