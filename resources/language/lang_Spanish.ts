<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>Abrir archivo JSON</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Guardar archivo de canal</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>No se elige Nada</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Selección completa</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Escribe el archivo del canal</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Actualizar la lista de puertos serie</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Enviado..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Enviar los datos del canal seleccionados al dispositivo</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>Cancelar todas las elecciones</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Seleccione rapidamente os canais</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Terminal de control</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Desconexión</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>¡No hay puerto serie conectado!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Se está enviando..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Se está leyendo..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>No se abrió con éxito el puerto serie,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Introduzca un número de línea válido</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Por favor, seleccione el puerto serie correspondiente</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Leer los datos del canal seleccionados desde el dispositivo</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Saltar a Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Saltar al número de canal correspondiente</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Conectar el puerto serie</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Elegir idioma</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>El archivo no se guardó: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>Se perdió la conexión con el puerto serie: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>Error al transferir %1 canal(es): %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>no es texto JSON (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>no es un archivo de canales</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>No se cargaron %2 entradas de %1: su clave no es su número de canal, o el número no está entre 0 y 999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>Los cambios del canal %1 no se han guardado.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location fuera de 0 a 999, omitida (líneas: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Comillas sin cerrar, omitida (líneas: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Frecuencia no válida, omitido (canales: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Frecuencia de transmisión no válida, omitido (canales: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Canal repetido, se usa la última línea (canales: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off o desconocido, transmisión en la frecuencia de recepción (canales: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Modo desconocido, cambiado a NFM (canales: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS no admitido, tonos puestos a 0 (canales: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Tono no válido o fuera de la lista, puesto a 0 (canales: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Nombre de más de 11 bytes, acortado (canales: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>El archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>Al archivo le falta la columna Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>Al archivo le falta la columna Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>El archivo no contiene ningún canal utilizable</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>Tras escribir, volver a leer cada canal y compararlo con lo enviado</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>no transferido</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>almacenado de otra forma: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Escrito y verificado: %1 canales en %2 s, %3 fallidos</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Escrito: %1 canales en %2 s, %3 fallidos</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Leído: %1 canales en %2 s, %3 fallidos</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Escritura cancelada</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Lectura cancelada</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Escritura detenida: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Lectura detenida: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 canal(es) almacenado(s) de otra forma:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>la radio no responde</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>La radio no responde; la transferencia se detuvo. Canales no transferidos: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Verificando %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Escribiendo %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Leyendo %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>se perdió la conexión con el puerto serie</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Canales no transferidos: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>No tiene permiso para abrir este dispositivo. En Linux, añada su usuario al grupo del dispositivo (aquí %1) y vuelva a iniciar sesión: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Vaciar filas</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Marcar filas modificadas</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Buscar…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Nombre o frecuencia:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>No se ha pegado nada: %2 del canal %1 no admite «%3».</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>No se ha encontrado «%1».</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 canales guardados en %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 abierto: %2 canales</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Archivos de canales (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Desconectado de %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>«%1» encontrado: canal %2 (búsqueda reanudada desde el principio)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>«%1» encontrado: canal %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Leer los canales marcados y compararlos con la tabla; la tabla no cambia</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Antes de escribir, leer estos canales, guardar una copia de seguridad y mostrar lo que va a cambiar</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Vista previa antes de escribir</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Comparación con la radio</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>La escritura cambia %1 canales; %2 canales no cambian.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 canales difieren de la radio; %2 canales son iguales.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Valor de la radio</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>Valor nuevo</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Valor de la tabla</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Escribir solo los canales modificados</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Tomar los valores de la radio</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Poner en la tabla los valores de la radio de los canales seleccionados</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Abrir la última copia de seguridad</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Escritura cancelada: la copia de seguridad no se completó</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Comparación terminada: %1 canales distintos, %2 iguales</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>La copia de seguridad no se guardó; no se escribió nada: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>No hay cambios que escribir</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>Todavía no hay copias de seguridad.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>Comparando..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>Copiando..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>Las filas seleccionadas ya están arriba del todo.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>Las filas seleccionadas ya están abajo del todo.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>No hay ninguna fila vacía a partir del canal %1: no se ha insertado nada.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Quitar filas</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Ordenar por nombre</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Ordenar por frecuencia</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Rellenar hacia abajo</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Tabla de canales</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>No hay archivos recientes</translation>
    </message>
</context>
</TS>
