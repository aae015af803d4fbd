<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>Abrir o ficheiro JSON</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>preservação</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Gravar o ficheiro do canal</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Guardar arquivo</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Não escolhido nada</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Gravar o ficheiro do canal</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Actualizar a lista de portas seriais</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>enviar</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Envio ..</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Enviar os dados do canal seleccionados para o dispositivo</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>desmarcar tudo</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Seleccione rapidamente os canais</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>aberto</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Terminal de controlo</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Desligar a ligação</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>Não está ligado à porta serial!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Envio..</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Leitura..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>A porta serial não foi aberta com sucesso,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>programação</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Indique por favor um número de linha válido</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Seleccione por favor a porta de série correspondente</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>ler</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Ler os dados do canal seleccionados a partir do dispositivo</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Salta para Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Ir para o número do canal correspondente</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>conectar</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Ligar a porta serial</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Escolha a língua</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>O ficheiro não foi guardado: %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>A ligação à porta serial foi perdida: %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>Falha na transferência de %1 canal(is): %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>não é texto JSON (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>não é um ficheiro de canais</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%2 entradas de %1 não foram carregadas: a chave não é o número do canal, ou o número não está entre 0 e 999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>As alterações ao canal %1 ainda não foram guardadas.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location fora de 0 a 999, ignorada (linhas: %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Aspas não fechadas, ignorada (linhas: %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Frequência inválida, ignorado (canais: %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Frequência de transmissão inválida, ignorado (canais: %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Canal repetido, vale a última linha (canais: %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off ou desconhecido, transmissão na frequência de receção (canais: %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Modo desconhecido, definido como NFM (canais: %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS não suportado, tons definidos como 0 (canais: %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Tom inválido ou fora da lista, definido como 0 (canais: %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Nome com mais de 11 bytes, encurtado (canais: %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>O ficheiro não é texto UTF-8</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>O ficheiro não tem a coluna Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>O ficheiro não tem a coluna Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>O ficheiro não contém nenhum canal utilizável</translation>
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
        <translation>Após a escrita, ler cada canal de volta e compará-lo com o que foi enviado</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>não transferido</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>armazenado de forma diferente: %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Escrito e verificado: %1 canais em %2 s, %3 com falha</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Escrito: %1 canais em %2 s, %3 com falha</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Lido: %1 canais em %2 s, %3 com falha</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Escrita cancelada</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Leitura cancelada</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Escrita interrompida: %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Leitura interrompida: %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 canal(is) armazenado(s) de forma diferente:</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>o rádio não responde</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>O rádio não responde; a transferência foi interrompida. Canais não transferidos: %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Verificando %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Escrevendo %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Lendo %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>a conexão com a porta serial foi perdida</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Canais não transferidos: %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>Não tem permissão para abrir este dispositivo. No Linux, adicione o seu utilizador ao grupo do dispositivo (aqui %1) e inicie sessão de novo: sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Refazer</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Limpar linhas</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Marcar linhas alteradas</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Procurar seguinte</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Nome ou frequência:</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>Nada foi colado: %2 do canal %1 não aceita &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>&quot;%1&quot; não encontrado.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 canais guardados em %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 aberto: %2 canais</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Ficheiros de canais (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Ligado a %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Desligado de %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>&quot;%1&quot; encontrado: canal %2 (pesquisa recomeçada do início)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>&quot;%1&quot; encontrado: canal %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Ler os canais marcados e compará-los com a tabela; a tabela não é alterada</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Antes de escrever, ler estes canais, guardar uma cópia de segurança e mostrar o que vai mudar</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Cópia</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Pré-visualização antes da escrita</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Comparação com o rádio</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>A escrita altera %1 canais; %2 canais ficam inalterados.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 canais diferem do rádio; %2 canais são iguais.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Valor do rádio</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>Valor novo</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Valor da tabela</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Escrever apenas os canais alterados</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Escrever</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Usar os valores do rádio</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Colocar na tabela os valores do rádio dos canais selecionados</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Abrir a cópia de segurança mais recente</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Escrita cancelada: a cópia de segurança não foi concluída</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Comparação concluída: %1 canais diferentes, %2 iguais</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>A cópia de segurança não foi guardada; nada foi escrito: %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>Não há alterações para escrever</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>Ainda não há cópias de segurança.</translation>
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
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>As linhas selecionadas já estão no topo.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>As linhas selecionadas já estão no fim.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>Não há linha vazia a partir do canal %1: nada foi inserido.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Inserir linha</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Remover linhas</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Ordenar por nome</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Ordenar por frequência</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Preencher para baixo</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Porta série</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Progresso da transferência</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Tabela de canais</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Ficheiros recentes</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>Nenhum ficheiro recente</translation>
    </message>
</context>
</TS>
