# SQL texts the program sends, with sample values filled in; one statement per line.
# "KQ:" in front runs the line on the statistics database. Lines starting with # are notes.
# Data access: extremes, row lookups, user and administrator flag
SELECT MAX(Codigo) AS MAYOR FROM MA_CUENTAS
SELECT MIN(Codigo) AS MENOR FROM MA_CUENTAS
SELECT * FROM TA_USUARIOS with(nolock)   WHERE Nombre ='ADMIN'
SELECT TOP 1  * FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='1'
SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE Nombre ='ADMIN'
SELECT TOP 1 * FROM V_TA_CPTE with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='RMC'
SELECT TOP 1 * FROM V_MV_CPTE with(nolock)  WHERE LTRIM(RTRIM(IDCOMPROBANTE)) ='000100000001R'  AND  TC='RM' AND IDCOMPROBANTE='000100000001R'
SELECT TOP 1 * FROM V_TA_FAMILIAS with(nolock)  WHERE LTRIM(RTRIM(IdFamilia)) ='0101'
SELECT TOP 1 * FROM MA_POSICIONES with(nolock)  WHERE LTRIM(RTRIM(IDPOSICION)) ='11'
SELECT TOP 1 * FROM TA_CCOSTO with(nolock)  WHERE LTRIM(RTRIM(CODIGO)) ='101'
# Restricted views for users who are not administrators
SELECT Codigo, Descripcion FROM SS_MA_CUENTAS WHERE Codigo = '11100001'
SELECT * FROM SS_V_TA_DEPOSITO ORDER BY IdDeposito
SELECT * FROM SS_MV_ASIENTOS WHERE Cuenta = '51100001'
SELECT * FROM SS_V_TA_FAMILIAS ORDER BY IdFamilia
SELECT * FROM SS_V_TA_CAJAS ORDER BY IDCajas
SELECT * FROM SS_AC_CUENTASDIARIO WHERE Cuenta = '1'
SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE Cuenta = '1'
# Start-up, login, configuration and statistics connection
Select * from ta_usuarios  with(nolock)  where Nombre = 'ADMIN'
SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'COMPRAS' AND (SISTEMA = 'vu000va' OR SISTEMA = 'BRIX')
SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'NOMBRE'
SELECT VALOR, valoraux FROM ta_configuracion with(nolock)  WHERE CLAVE = 'TopConsArt' AND GRUPO ='DATOS'
SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CFondo'
SELECT * FROM ta_configuracion with(nolock)  WHERE CLAVE = 'CFondo' AND GRUPO = 'DATOS'
KQ:SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'
KQ:SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'
select  getDate() as fecha
SELECT * FROM MA_CUENTAS  with(nolock)  WHERE CodigoOpcional =  '00001'
SELECT * FROM MA_CUENTAS  with(nolock)  WHERE Codigo =  '21100001'
# Saved window states and templates
DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'Rp_Quindal' AND USUARIO= 'ADMIN' and Nombre = 'txtFields'
DELETE TA_CONFIG_FORM WHERE FORMULARIO = 'Rp_Quindal' AND USUARIO= 'ADMIN'
INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) VALUES ('Rp_Quindal','ADMIN','TextBox','txtFields','Text','Fecha_desde','01/01/2024')
SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = 'Rp_Quindal' AND USUARIO = 'ADMIN' AND TIPOOBJETO = 'TextBox' AND NOMBRE='txtFields' AND DATAFIELD='Fecha_desde' AND PROPIEDAD='Text' order by id
Delete ta_config_form where formulario = 'Rp_Quindal@Rp_QuindalRMC@Mensual'
select formulario from ta_config_form where formulario like '%@Rp_QuindalRMC@%' group by formulario
# Audit, error and access rows
 INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,Proceso,ProcesoLote,Cuenta) VALUES ('','',0,'A','08/12/2025 10:15:00','ADMIN','PUESTO1','Intento de inicio de sesion fallido','rp_quindal RMC','','')
select  top 1 * from AUX_ERR  with(nolock) 
INSERT INTO AUX_ERR (Proceso,fecha,Error,Descripcion,sql,PC,Usuario) VALUES ('rp_quindal','08/12/2025 10:15',-2147217900,'Invalid object name','SELECT 1','PUESTO1','ADMIN')
SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'ADMIN ') AND (TA_MENU.Proceso LIKE '%rp_quindal%')
INSERT INTO Control_Acceso (Maquina,Usuario,Formulario,Tarea,Ingreso,NombreUsuario) VALUES ('PUESTO1','ADMIN','RP_QUINDAL','REPORTES DE REMITOS DE COMPRA','08/12/2025 10:15','ADMIN')
# Lookups: LIKE search, lookup driver, tree windows, missing-article notice
SELECT top 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock) WHERE RAZON_SOCIAL LIKE '%ferr%' AND Dada_De_Baja = 0
SELECT top 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 0
SELECT top 500 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES with(nolock)  WHERE (RAZON_SOCIAL LIKE '%a%' OR NUMERO_DOCUMENTO LIKE '%a%')  AND Dada_De_Baja = 0
SELECT top 500 Nombre_y_Apellido,Domicilio,Localidad,Telefono FROM MA_CONTACTOS  with(nolock) WHERE Nombre_y_Apellido LIKE '%a%'
SELECT top 500 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)   WHERE DESCRIPCION LIKE '%caja%'
SELECT top 500 STREET FROM VT_MAPINFO_CALLES  with(nolock)   WHERE  STREET  LIKE '%mitre%'
SELECT top 500  LOCALIDAD,PARTIDO,Cod_postal FROM MAPINFO_LOCALIDADES  with(nolock)   WHERE  LOCALIDAD  LIKE '%ros%'
SELECT top 500 Evento FROM V_MA_EMAIL  with(nolock) WHERE Evento LIKE '%a%'
SELECT top 500 NOMBRE,IDTECNICO FROM V_TA_TECNICOS with(nolock)    WHERE NOMBRE LIKE '%a%'
SELECT top 500 V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO FROM V_MA_ARTICULOS with(nolock)   WHERE V_MA_ARTICULOS.DESCRIPCION LIKE '%tornillo%3/8%'  AND SUSPENDIDO = 0
SELECT top 500 V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO,RutaImagen  FROM V_MA_ARTICULOS  with(nolock)  LEFT OUTER JOIN V_MA_Precios ON V_MA_ARTICULOS.IdArticulo = V_MA_Precios.IdArticulo  where idlista = '   1'
SELECT top 500 STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito,Stock,PuntoPedido FROM STK_MA_ARTICULOS with(nolock)   WHERE STK_MA_ARTICULOS.DESCRIPCION LIKE '%cable%'
SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  ORDER BY DESCRIPCION
SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios WHERE Nombre LIKE '%a%'  
SELECT top 500 FechaDte,Dte,IdTropa,Patente,Chofer,NroGuia,CuitVendedor FROM V_MV_TROPA with(nolock)    WHERE DTe LIKE '%1%'
SELECT top 500 idTropa,categoria,secuencia,lado,kg,comprador,fecha,idPlanilla,id FROM V_MV_TROPA_STOCK with(nolock)  
SELECT TOP 1000 NOMBRE,IDVENDEDOR FROM V_TA_VENDEDORES  with(nolock)  ORDER BY NOMBRE
SELECT TOP 1000 DESCRIPCION,CODIGO FROM V_MA_MANTENIMIENTOS  with(nolock)  ORDER BY DESCRIPCION
SELECT TOP 1000 Descripcion,IdTarea FROM V_TA_Tareas  with(nolock)  ORDER BY Descripcion
SELECT TOP 1000 Descripcion,Codigo FROM V_TA_UnidadNegocio  with(nolock)  ORDER BY Descripcion
SELECT TOP 1000 Descripcion,IdDeposito FROM V_TA_DEPOSITO  with(nolock)  ORDER BY Descripcion
SELECT TOP 1000 Descripcion,IdMotivoCpra FROM V_TA_MOTIVOCPRA  with(nolock)  ORDER BY Descripcion
select Descripcion,Codigo from VT_TA_Cpte 
select COT_OBSERVACIONES,IDARTICULO from V_MV_COTIZAR 
select APELLIDO, NOMBRES,CODIGO from MA_CHOFERES 
select PATENTE,TIPO_VEHICULO,MODELO,TIPO,PATENTE from MA_VEHICULOS 
select DESCRIPCION,PERIODO from MV_EJERCICIOS 
select NOMBRE,NOMBRE from MA_MODELOS 
select LOCALIDAD,cp from ta_codigospostales 
SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia
INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('08/12/2025 10:15:00','01-00001','Tornillo galvanizado 3/8"','ADMIN')
# Report window: report file choice, numbering-gap report
select * from V_MV_CPTE_ELECTRONICOS WHERE TC='' AND IDCOMPROBANTE=''
SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = 'mv_prC'
SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = 'OPG-X' OR NOMBRE = 'PG-X' 
SELECT * FROM V_TA_UNIDADNEGOCIO WHERE CODIGO='   1'
SELECT * FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)='0001'
Delete aux_mayores where usuario = 'PUESTO1|OPERADOR'
SELECT TC, SUBSTRING(IDCOMPROBANTE, 1, 4) AS sucursal, SUBSTRING(IDCOMPROBANTE, 13, 1) As Letra From C_MV_Cpte GROUP BY TC, SUBSTRING(IDCOMPROBANTE, 1, 4), SUBSTRING(IDCOMPROBANTE, 13, 1) HAVING (TC = N'RMC')
Select * from C_mv_cpte where tc = 'RMC' and substring(idcomprobante,1,4) = '0001' and substring(idcomprobante,13,1) = 'R'  AND (FECHA >= {ts '2023-01-01 00:00:00'}) and  (FECHA <= {ts '2023-12-31 00:00:00'}) order by idcomprobante
Select top 1 * from C_mv_cpte where tc = 'RMC' and idcomprobante > '000100000010R' order by idcomprobante
Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) values ('PUESTO1|OPERADOR','000100000001R-000100000003R','02/01/2023','05/01/2023',3,'0001','R')
Insert into aux_mayores (Usuario,NroComprobanteBancario,[Importe-Haber],AP_SUCURSAL,AP_LETRA) values ('PUESTO1|OPERADOR','000100000004R-000100000006R ***',3,'0001','R')
# Fields the report layouts read (selection formulas and sort fields)
SELECT C_MV_CPTE.TC, C_MV_CPTE.IdComprobante, C_MV_CPTE.Cuenta, C_MV_CPTE.Fecha, C_MV_CPTE.FechaEntrega, C_MV_CPTE.IdMotivoCpraVta, C_MV_CPTE.USUARIO, C_MV_CPTE.sucursal, C_MV_CPTE.FINALIZADO, C_MV_CPTE.Anulada, C_MV_CPTE.Garantia, C_MV_CPTE.UNEGOCIO FROM C_MV_CPTE WHERE C_MV_CPTE.TC = 'OC' AND C_MV_CPTE.sucursal <> '9990'
SELECT C_MV_CPTEINSUMOS.IdArticulo, C_MV_CPTEINSUMOS.Cantidad FROM C_MV_CPTE INNER JOIN C_MV_CPTEINSUMOS ON C_MV_CPTE.TC = C_MV_CPTEINSUMOS.TC AND C_MV_CPTE.IdComprobante = C_MV_CPTEINSUMOS.IdComprobante WHERE C_MV_CPTEINSUMOS.IdArticulo = '01-00001'
SELECT v_mv_stock.fecha, v_mv_stock.idcomprobante, V_MV_STOCK.USUARIO, V_MV_STOCK.UNEGOCIO, c_mv_cpte.cuenta FROM V_MV_STOCK INNER JOIN C_MV_CPTE ON V_MV_STOCK.TcOrigen = C_MV_CPTE.TC AND V_MV_STOCK.IdCpteOrigen = C_MV_CPTE.IdComprobante WHERE V_MV_STOCK.TC='IR'
SELECT AUX_MAYORES.NroComprobanteBancario FROM AUX_MAYORES ORDER BY AUX_MAYORES.NroComprobanteBancario
# Code-entry box: rights, salesman, search, direct addition
SELECT tarea FROM ta_tareas where tarea = 'D010301' and usuario = 'ADMIN'
SELECT * FROM ta_USUARIOS where LTRIM(RTRIM(NOMBRE)) = 'ADMIN'
select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join v_ma_precios on v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = '   1'   where (v_ma_articulos.idarticulo like '%tor%' or Descripcion like '%tor%')  and SUSPENDIDO = 0 order by DESCRIPCION 
select top 100 NOMBRE from MA_MODELOS where NOMBRE like '%a%'  GROUP BY NOMBRE 
select top 100 Razon_Social,Codigo from VT_CLIENTES where (Razon_Social like '%tor%ace%' or Codigo like '%tor%ace%' )  and Dada_De_Baja = 0 order by Razon_Social
select top 100 Descripcion,Codigo from MA_CUENTAS where (Descripcion like '%caja%' or Codigo like '%caja%' )  and (MEDIODEPAGO='' or MEDIODEPAGO IS NULL) and titulo = 0 AND CAJAYBANCO = 1 order by Descripcion
select top 100 Descripcion,Codigo from MA_CUENTAS where (Descripcion like '%a%' or Codigo like '%a%' )   and (TIPOVISTA IS NULL OR TIPOVISTA = '') AND (MEDIODEPAGO IS NULL OR MEDIODEPAGO = '' OR MEDIODEPAGO = 'RI' OR MEDIODEPAGO = 'RG' OR MEDIODEPAGO = 'RB')  AND TITULO = 0 AND Dada_De_Baja = 0  order by Descripcion
select top 100 Nombre_y_Apellido,IdContacto from MA_CONTACTOS where (Nombre_y_Apellido like '%a%' or IdContacto like '%a%' )   order by Nombre_y_Apellido
select top 100 DESCRIPCION,IDFAMILIA from V_TA_FAMILIAS where (DESCRIPCION like '%a%' or IDFAMILIA like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDRubro from V_TA_Rubros where (DESCRIPCION like '%a%' or IDRubro like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDBanco from V_TA_Bancos where (DESCRIPCION like '%a%' or IDBanco like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDMotivoVta from V_TA_MotivoVta where (DESCRIPCION like '%a%' or IDMotivoVta like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDMotivoCpra from V_TA_MotivoCpra where (DESCRIPCION like '%a%' or IDMotivoCpra like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDDeposito from V_TA_Deposito where (DESCRIPCION like '%a%' or IDDeposito like '%a%' )   order by DESCRIPCION
select top 100 NOMBRE,IDTecnico from V_TA_Tecnicos where (NOMBRE like '%a%' or IDTecnico like '%a%' )   order by NOMBRE
select top 100 DESCRIPCION,IDTarea from V_TA_Tareas where (DESCRIPCION like '%a%' or IDTarea like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDUnidad from V_TA_Unidad where (DESCRIPCION like '%a%' or IDUnidad like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDTIPO from V_TA_TipoArticulo where (DESCRIPCION like '%a%' or IDTIPO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDMotivoStock from V_TA_MotivoStock where (DESCRIPCION like '%a%' or IDMotivoStock like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDCOND_CPRA_VTA from V_TA_CPRA_VTA where (DESCRIPCION like '%a%' or IDCOND_CPRA_VTA like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDCATEGORIA from V_TA_CATEGORIA where (DESCRIPCION like '%a%' or IDCATEGORIA like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDDESTINO from V_TA_DESTINO where (DESCRIPCION like '%a%' or IDDESTINO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDORIGEN from V_TA_ORIGEN where (DESCRIPCION like '%a%' or IDORIGEN like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDCajas from V_TA_Cajas where (DESCRIPCION like '%a%' or IDCajas like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDPERCEPCION from V_TA_PERCEPCION where (DESCRIPCION like '%a%' or IDPERCEPCION like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDRETENCION from V_TA_RETENCIONES where (DESCRIPCION like '%a%' or IDRETENCION like '%a%' )   order by DESCRIPCION
select top 100 Descripcion,codigo from V_ta_PoliticaPrecios where (Descripcion like '%a%' or codigo like '%a%' )   order by Descripcion
select top 100 DESCRIPCION,idcategoria from V_TA_CATEGORIAARTICULO where (DESCRIPCION like '%a%' or idcategoria like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from V_TA_UNIDADNEGOCIO where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from V_TA_STATUS where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from V_TA_TIPOACEITES where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from V_TA_MOTIVOS where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 NOMBRE,idvendedor from V_TA_VENDEDORES where (NOMBRE like '%a%' or idvendedor like '%a%' )   order by NOMBRE
select top 100 DESCRIPCION,CODIGO from V_MA_MANTENIMIENTOS where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDARTICULO from MA_ARTICULOS where (DESCRIPCION like '%a%' or IDARTICULO like '%a%' )   order by DESCRIPCION
select top 100 NOMBRE,CODIGO from MA_DESTINATARIOS where (NOMBRE like '%a%' or CODIGO like '%a%' )   order by NOMBRE
select top 100 DESCRIPCION,CODIGO from TA_COMPROBANTES where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_Cpte where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDRubro from TA_Rubros where (DESCRIPCION like '%a%' or IDRubro like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDTIPO from TA_TipoArticulo where (DESCRIPCION like '%a%' or IDTIPO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDMotivoStock from TA_MotivoStock where (DESCRIPCION like '%a%' or IDMotivoStock like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDDeposito from TA_Deposito where (DESCRIPCION like '%a%' or IDDeposito like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,IDCategoria from TA_Categoria where (DESCRIPCION like '%a%' or IDCategoria like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_ESTADOS where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_CCOSTO where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_CLASIFICACIONES where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_TIPOVEHICULO where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_MARCAVEHICULO where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_PAISES where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_TIPICOS where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_TIPODOCUMENTO where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 DESCRIPCION,CODIGO from TA_CPRA_VTA where (DESCRIPCION like '%a%' or CODIGO like '%a%' )   order by DESCRIPCION
select top 100 Descripcion,IDNIVELESTUDIO from P_TA_NIVELESTUDIO where (Descripcion like '%a%' or IDNIVELESTUDIO like '%a%' )   order by Descripcion
select top 100 NombreEmpresa,IDEmpresa from P_MA_Empresas where (NombreEmpresa like '%a%' or IDEmpresa like '%a%' )   order by NombreEmpresa
select top 100 Descripcion,IDAreas from P_TA_Areas where (Descripcion like '%a%' or IDAreas like '%a%' )   order by Descripcion
select top 100 Descripcion,IDTITULO from P_TA_TITULOs where (Descripcion like '%a%' or IDTITULO like '%a%' )   order by Descripcion
select top 100 DESCRIPCION,IDFunciones from P_TA_Funciones where (DESCRIPCION like '%a%' or IDFunciones like '%a%' )   order by DESCRIPCION
select top 100 Descripcion,IdSindicato from P_SINDICATOS where (Descripcion like '%a%' or IdSindicato like '%a%' )   order by Descripcion
select top 100 RAZON_SOCIAL,IDCLIENTE from P_MA_Clientes where (RAZON_SOCIAL like '%a%' or IDCLIENTE like '%a%' )   order by RAZON_SOCIAL
SELECT DESCRIPCION FROM V_TA_Rubros where ltrim(rtrim(DESCRIPCION)) = 'Pinturería' 
SELECT MAX(IDRubro) as IDRubro FROM V_TA_Rubros where (left(IDRubro,1) = ' ' or left(IDRubro,1) = '9') 
INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('   4','Pinturería')
INSERT INTO V_TA_Cpra_Vta(IDCOND_CPRA_VTA,DESCRIPCION,CantidadDias,HabilitadoPara,DtoMaximo,FechaHora_Grabacion) VALUES ('   4','Cuenta corriente 90 días',1,'VC',100,'08/12/2025')
INSERT INTO V_MA_MANTENIMIENTOS(CODIGO,DESCRIPCION, CUENTA) VALUES ('                        1','Service de autoelevador','51100002')
INSERT INTO V_TA_MotivoCpra(IDMotivoCpra,DESCRIPCION) VALUES ('   6','Compra de repuestos')
SELECT top 1 * FROM V_TA_Input_compras order by idMotivoCpra asc
SELECT top 1 * FROM V_TA_Input_Ventas order by idMotivoVta asc
INSERT INTO V_TA_Input_Compras                   ([IdMotivoCpra]  ,[CondIva]  ,[Repuestos]  ,[Servicios]  ,[Otros]  ,[V_DFI_CTAVTA]  ,[V_DFI_IMPINT]  ,[V_DFI_PERCIB]  ,[V_DFI_PERCIVA]  ,[V_DFI_PERCGAN]  ,[V_DFI_DESCUENTO]  ,[C_CFI_CTACPRA]  ,[C_CFI_IMPINT]  ,[C_CFI_PERCIB]  ,[C_CFI_PERCIVA]  ,[C_CFI_PERCGAN]  ,[C_CFI_DESCUENTO]  ,[PG_DESCUENTO]  ,[PG_RETGAN]  ,[PG_RETIB]  ,[PG_RETIVA]  ,[PG_ANTICIPOS]  ,[CB_DESCUENTO]  ,[CB_RETGAN]  ,[CB_RETIB]  ,[CB_RETIVA]  ,[CB_ANTICIPOS]  ,[CFI_IVARI]  ,[CFI_IVARNI]  ,[C_CFI_IMPITC]  ,[CFI_IVARI1]  ,[CFI_IVARI2]) vALUES           (  '   6'  ,'   1'  ,'a'  ,'b'  ,'c'  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  ,''  )
INSERT INTO [dbo].[V_TA_Input_Ventas] ( [IdMotivoVta] , [CondIva] , [Repuestos] , [Servicios] , [Otros] , [V_DFI_CTAVTA] , [V_DFI_IMPINT] , [V_DFI_PERCIB] , [V_DFI_PERCIVA] , [V_DFI_PERCGAN] , [V_DFI_DESCUENTO] ,[C_CFI_CTACPRA] ,[C_CFI_IMPINT] ,[C_CFI_PERCIB] ,[C_CFI_PERCIVA] ,[C_CFI_PERCGAN] ,[C_CFI_DESCUENTO] ,[PG_DESCUENTO] ,[PG_RETGAN] ,[PG_RETIB] ,[PG_RETIVA] ,[PG_ANTICIPOS] ,[CB_DESCUENTO] ,[CB_RETGAN] ,[CB_RETIB] ,[CB_RETIVA] ,[CB_ANTICIPOS] ,[DFI_IVARI] ,[DFI_IVARNI] ,[COSTO_MERCADERIA] ,[V_DFI_IMPITC]) Values  ( '   3' ,'   1' ,'a' ,'b' ,'c' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'' ,'')
