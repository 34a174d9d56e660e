-- Statements as the program writes them, on the demo database's masters (fixed by the
-- demo generator), inside a transaction rolled back at the end.
> BEGIN TRAN

-- Lookups of one row: table hints, LTRIM(RTRIM()), blank-padded codes, N'' texts.
> SELECT COUNT(*) FROM TA_USUARIOS with(nolock)   WHERE Nombre ='ADMIN'
= 1
> SELECT Administrador, Sistema FROM ta_usuarios with(nolock)  WHERE Nombre ='admin '
= 1|'BRIX'
> SELECT COUNT(*) FROM TA_USUARIOS WHERE NOMBRE = 'COMPRAS' AND (SISTEMA = 'vu000va' OR SISTEMA = 'BRIX')
= 1
> SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TopConsArt' AND GRUPO ='DATOS'
= '500'|NULL
> SELECT VALOR FROM ta_configuracion with(nolock)  WHERE CLAVE = 'nombre'
= 'Quindal Insumos Industriales S.A.'
> SELECT TOP 1 DESCRIPCION FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='1'
= 'Casa central'
> SELECT DESCRIPCION FROM V_TA_UNIDADNEGOCIO WHERE CODIGO='   1'
= 'Casa central'
> SELECT DESCRIPCION FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)='0002'
= 'Sucursal Córdoba'
> SELECT COUNT(*) FROM V_TA_UNIDADNEGOCIO WHERE DESCRIPCION = N'SUCURSAL CÓRDOBA'
= 1
> SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'ADMIN'
= 'D010301'
> SELECT COUNT(*) FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ADMIN ') AND (TA_MENU.Proceso LIKE '%RP_QUINDAL%') AND 1 = 0
= 0
> select  getDate() as fecha
> SELECT CASE WHEN GETDATE() > {ts '2020-01-01 00:00:00'} THEN 1 ELSE 0 END
= 1

-- The family tree window's query: TOP 100 PERCENT, a correlated TOP 1, [relative].
> SELECT     TOP 100 PERCENT IdFamilia, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' AND IdFamilia LIKE '010%' ORDER BY IdFamilia
= '0101'|'01'; '0102'|'01'; '0103'|'01'; '0104'|'01'; '0105'|'01'
> SELECT TOP 3 Descripcion FROM V_TA_FAMILIAS WHERE LEN(IdFamilia) = 2 ORDER BY Descripcion
= 'Electricidad'; 'Ferretería'; 'Lubricación'

-- The code-entry box: LIKE searches, the highest code and a new row with a padded code.
> select top 100 DESCRIPCION,IDRubro from V_TA_Rubros where (DESCRIPCION like '%ric%' or IDRubro like '%ric%' )   order by DESCRIPCION
= 'Electricidad'|'   2'; 'Lubricantes'|'   3'
> SELECT MAX(IDRubro) as IDRubro FROM V_TA_Rubros where (left(IDRubro,1) = ' ' or left(IDRubro,1) = '9')
= '   3'
> INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('   4','Pinturería')
> SELECT DESCRIPCION FROM V_TA_Rubros where ltrim(rtrim(DESCRIPCION)) = 'PINTURERÍA'
= 'Pinturería'
> INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('   4','Otra')
! 2627, 3621
> SELECT COUNT(*) FROM V_TA_Rubros WHERE IDRubro LIKE '[ ][ ][ ]4'
= 1

-- Dates written the way the program writes them: regional text and ODBC escapes.
> INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('08/12/2025 10:15:00','01-00001','Tornillo galvanizado 3/8"','ADMIN')
> SELECT FechaHora, DATEPART(month, FechaHora) FROM V_MV_FALTANTES WHERE Usuario = 'ADMIN' AND IdArticulo = '01-00001'
= 2025-12-08 10:15:00.000|12
> SELECT COUNT(*) FROM V_MV_FALTANTES WHERE FechaHora >= {ts '2025-12-08 00:00:00'} AND FechaHora < '09/12/2025'
= 1
> SELECT COUNT(*) FROM V_MV_FALTANTES WHERE FechaHora BETWEEN '20251208' AND '20251208 23:59:59'
= 1
> INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('PUESTO1','ADMIN','RP_QUINDAL','REPORTES DE REMITOS DE COMPRA','08/12/2025 10:15','ADMIN')
> SELECT CONVERT(varchar(10), Ingreso, 103), DATENAME(weekday, Ingreso) FROM Control_Acceso WHERE Maquina = 'PUESTO1'
= '08/12/2025'|'Lunes'
> SELECT SCOPE_IDENTITY() - (SELECT MAX(Id) FROM Control_Acceso)
= NULL
> INSERT INTO Control_Acceso (Maquina, Ingreso) VALUES ('PUESTO2', GETDATE()) SELECT COUNT(*) FROM Control_Acceso WHERE Id = SCOPE_IDENTITY() AND Maquina = 'PUESTO2'
= 1

-- Saved window states: DELETE without FROM, the form's rows, LIKE with a literal [.
> INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('Rp_Quindal','ADMIN','TextBox','txtFields','Text','Fecha_desde','01/01/2024')
> INSERT TA_CONFIG_FORM (FORMULARIO,USUARIO,NOMBRE,VALOR) VALUES ('Rp_Quindal@Rp_QuindalRMC@Mensual','ADMIN','txtFields','x')
> SELECT VALOR FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = 'Rp_Quindal' AND USUARIO = 'ADMIN' AND TIPOOBJETO = 'TextBox' AND NOMBRE='txtFields' AND DATAFIELD='Fecha_desde' AND PROPIEDAD='Text' order by id
= '01/01/2024'
> select formulario from ta_config_form where formulario like '%@Rp_QuindalRMC@%' group by formulario
= 'Rp_Quindal@Rp_QuindalRMC@Mensual'
> DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'Rp_Quindal' AND USUARIO= 'ADMIN' and Nombre = 'txtFields' SELECT @@ROWCOUNT
= 1
> Delete ta_config_form where formulario = 'Rp_Quindal@Rp_QuindalRMC@Mensual'
> SELECT COUNT(*) FROM TA_CONFIG_FORM
= 0

-- The numbering-gap report: SUBSTRING groups, N'' in HAVING, a scratch table.
> SELECT TC, SUBSTRING(IDCOMPROBANTE, 1, 4) AS sucursal FROM C_MV_Cpte GROUP BY TC, SUBSTRING(IDCOMPROBANTE, 1, 4) HAVING (TC = N'rmc') AND 1 = 0
= (no rows)
> Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) values ('PUESTO1|OPERADOR','000100000001R-000100000003R','02/01/2023','05/01/2023',3,'0001','R')
> SELECT NroComprobanteBancario, fecha, vencimiento, [Importe-Debe] FROM AUX_MAYORES WHERE usuario = 'puesto1|operador'
= '000100000001R-000100000003R'|2023-01-02 00:00:00.000|2023-01-05 00:00:00.000|3.0000
> Delete aux_mayores where usuario = 'PUESTO1|OPERADOR'
> SELECT COUNT(*) FROM AUX_MAYORES WHERE usuario = 'PUESTO1|OPERADOR'
= 0

-- A typed apostrophe the program left single is the server's syntax error.
> select top 100 Razon_Social,Codigo from VT_CLIENTES where (Razon_Social like '%O'Brien%' or Codigo like '%O'Brien%' )  and Dada_De_Baja = 0 order by Razon_Social
! 102
-- So is a bracket left open: a typo in any statement, a configured lookup's included.
> SELECT (Descripcion
! 102: Sintaxis incorrecta cerca de 'Descripcion'.
> SELECT ('a'
! 102: Sintaxis incorrecta cerca de 'a'.
> SELECT('
! 102: Sintaxis incorrecta cerca de ''.
> SELECT Descripcion FROM MA_ARTICULOS WHERE EXISTS (SELECT 1
! 102: Sintaxis incorrecta cerca de '1'.
> SELECT 1)
! 102: Sintaxis incorrecta cerca de ')'.
> SELECT Descripcion FROM MA_ARTICULOS WHERE IdArticulo..
! 102
> SELECT CASE WHEN IdArticulo = '1' THEN 'uno' FROM MA_ARTICULOS
! 102
> ROLLBACK
> SELECT COUNT(*) FROM V_TA_Rubros
= 3
