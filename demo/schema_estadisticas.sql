-- Statistics and settings database of the suite (KQ_ESTADISTICAS), in SQL Server's dialect.

-- Settings kept apart from the company database, e.g. the command time-out.
CREATE TABLE TA_CONFIGURACION (
  Id int IDENTITY(1,1) PRIMARY KEY,
  Grupo varchar(50) NOT NULL DEFAULT ('DATOS'),
  Clave varchar(100) NOT NULL,
  Valor varchar(255) NULL,
  ValorAux varchar(255) NULL,
  PoliticaNegocio bit NOT NULL DEFAULT (0)
)
GO
