<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>termial</name>
    <message>
        <source>JSON Files (*.json)</source>
        <translation>JSON Files (*.json)</translation>
    </message>
    <message>
        <source>Open JSON File</source>
        <translation>Ouvrir le fichier JSON</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>保存信道文件</source>
        <translation>Enregistrer le fichier Channel</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Sauvegarder le fichier</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Tout n&apos;est pas sélectionné</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>写入信道文件</source>
        <translation>Écrire un fichier de canal</translation>
    </message>
    <message>
        <source>刷新串口列表</source>
        <translation>Actualiser la liste des ports série</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>发送中...</source>
        <translation>Envoyé. ...</translation>
    </message>
    <message>
        <source>发送串口数据</source>
        <translation>Envoyer les données du canal coché à l&apos;appareil</translation>
    </message>
    <message>
        <source>取消全选</source>
        <translation>Annuler toute la sélection</translation>
    </message>
    <message>
        <source>快速勾选信道</source>
        <translation>Cochez le canal rapidement</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>控制终端</source>
        <translation>Terminal de contrôle</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>未连接串口!</source>
        <translation>Port série non connecté!</translation>
    </message>
    <message>
        <source>正在发送..</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>正在读取..</source>
        <translation>Lecture en cours..</translation>
    </message>
    <message>
        <source>没有成功打开串口,</source>
        <translation>Pas réussi à ouvrir le port série,</translation>
    </message>
    <message>
        <source>编程</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>请输入有效的行号 (0~%1)</source>
        <translation>Veuillez entrer un numéro de ligne valide</translation>
    </message>
    <message>
        <source>请选择对应串口</source>
        <translation>Veuillez sélectionner le port série correspondant</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>读取串口数据</source>
        <translation>Lecture des données du canal coché depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>跳转Channel</source>
        <translation>Aller à Channel</translation>
    </message>
    <message>
        <source>跳转至对应信道号</source>
        <translation>Passer au numéro de canal correspondant</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>连接串口</source>
        <translation>Connecter le port série</translation>
    </message>
    <message>
        <source>选择语言</source>
        <translation>Choisir une langue</translation>
    </message>
    <message>
        <source>文件没有保存：%1</source>
        <translation>Le fichier n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>与串口的连接已断开：%1</source>
        <translation>La connexion au port série a été perdue : %1</translation>
    </message>
    <message>
        <source>%1 个信道传输失败：%2</source>
        <translation>Échec du transfert de %1 canal(aux) : %2</translation>
    </message>
    <message>
        <source>%1 已存在。要替换它吗？</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>无法打开 %1：%2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>不是 JSON 文本（%1）</source>
        <translation>pas un texte JSON (%1)</translation>
    </message>
    <message>
        <source>不是信道文件</source>
        <translation>pas un fichier de canaux</translation>
    </message>
    <message>
        <source>%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。
%3</source>
        <translation>%2 entrées de %1 n&apos;ont pas été chargées : leur clé n&apos;est pas leur numéro de canal, ou ce numéro n&apos;est pas entre 0 et 999.
%3</translation>
    </message>
    <message>
        <source>信道 %1 的修改还没有保存。</source>
        <translation>Les modifications du canal %1 n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Location 不在 0~999，已跳过（行：%1）</source>
        <translation>Location hors de 0 à 999, ligne ignorée (lignes : %1)</translation>
    </message>
    <message>
        <source>引号未闭合，已跳过（行：%1）</source>
        <translation>Guillemet non fermé, ligne ignorée (lignes : %1)</translation>
    </message>
    <message>
        <source>频率无效，已跳过（信道：%1）</source>
        <translation>Fréquence invalide, canal ignoré (canaux : %1)</translation>
    </message>
    <message>
        <source>发射频率无效，已跳过（信道：%1）</source>
        <translation>Fréquence d&apos;émission invalide, canal ignoré (canaux : %1)</translation>
    </message>
    <message>
        <source>信道重复，以最后一行为准（信道：%1）</source>
        <translation>Canal répété, dernière ligne retenue (canaux : %1)</translation>
    </message>
    <message>
        <source>Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）</source>
        <translation>Duplex off ou inconnu, émission sur la fréquence de réception (canaux : %1)</translation>
    </message>
    <message>
        <source>未知模式，已设为 NFM（信道：%1）</source>
        <translation>Mode inconnu, remplacé par NFM (canaux : %1)</translation>
    </message>
    <message>
        <source>不支持 DTCS，亚音已设为 0（信道：%1）</source>
        <translation>DTCS non pris en charge, tonalités mises à 0 (canaux : %1)</translation>
    </message>
    <message>
        <source>亚音无效或不在列表中，已设为 0（信道：%1）</source>
        <translation>Tonalité invalide ou absente de la liste, mise à 0 (canaux : %1)</translation>
    </message>
    <message>
        <source>名称超过 11 字节，已截短（信道：%1）</source>
        <translation>Nom de plus de 11 octets, raccourci (canaux : %1)</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本</source>
        <translation>Le fichier n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>文件缺少 Location 列</source>
        <translation>Le fichier n&apos;a pas de colonne Location</translation>
    </message>
    <message>
        <source>文件缺少 Frequency 列</source>
        <translation>Le fichier n&apos;a pas de colonne Frequency</translation>
    </message>
    <message>
        <source>文件中没有可用的信道</source>
        <translation>Le fichier ne contient aucun canal utilisable</translation>
    </message>
    <message>
        <source>CHIRP CSV (*.csv)</source>
        <translation>CHIRP CSV (*.csv)</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>写入后读回每个信道并与发送的内容比较</source>
        <translation>Après l&apos;écriture, relire chaque canal et le comparer avec ce qui a été envoyé</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>未传输</source>
        <translation>non transféré</translation>
    </message>
    <message>
        <source>存储内容不同：%1</source>
        <translation>enregistré différemment : %1</translation>
    </message>
    <message>
        <source>写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Écrit et vérifié : %1 canaux en %2 s, %3 en échec</translation>
    </message>
    <message>
        <source>写入完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Écrit : %1 canaux en %2 s, %3 en échec</translation>
    </message>
    <message>
        <source>读取完成：%1 个信道，用时 %2 秒，%3 个失败</source>
        <translation>Lu : %1 canaux en %2 s, %3 en échec</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Écriture annulée</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Lecture annulée</translation>
    </message>
    <message>
        <source>写入已停止：%1</source>
        <translation>Écriture arrêtée : %1</translation>
    </message>
    <message>
        <source>读取已停止：%1</source>
        <translation>Lecture arrêtée : %1</translation>
    </message>
    <message>
        <source>%1 个信道校验不符：</source>
        <translation>%1 canal(aux) enregistré(s) différemment :</translation>
    </message>
    <message>
        <source>电台没有应答</source>
        <translation>la radio ne répond pas</translation>
    </message>
    <message>
        <source>电台没有应答，传输已停止。未传输的信道：%1</source>
        <translation>La radio ne répond pas ; le transfert a été arrêté. Canaux non transférés : %1</translation>
    </message>
    <message>
        <source>正在校验 %1 / %2</source>
        <translation>Vérification %1 / %2</translation>
    </message>
    <message>
        <source>正在写入 %1 / %2</source>
        <translation>Écriture %1 / %2</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Lecture %1 / %2</translation>
    </message>
    <message>
        <source>与串口的连接已断开</source>
        <translation>la connexion au port série a été perdue</translation>
    </message>
    <message>
        <source>未传输的信道：%1</source>
        <translation>Canaux non transférés : %1</translation>
    </message>
    <message>
        <source>没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod -aG %1 $USER</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir ce périphérique. Sous Linux, ajoutez votre utilisateur au groupe du périphérique (ici %1) puis reconnectez-vous : sudo usermod -aG %1 $USER</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>清除行</source>
        <translation>Vider les lignes</translation>
    </message>
    <message>
        <source>勾选修改过的行</source>
        <translation>Cocher les lignes modifiées</translation>
    </message>
    <message>
        <source>查找…</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>名称或频率：</source>
        <translation>Nom ou fréquence :</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Ouverture du fichier</translation>
    </message>
    <message>
        <source>没有粘贴：信道 %1 的 %2 不能取“%3”。</source>
        <translation>Rien n’a été collé : %2 du canal %1 ne peut pas prendre « %3 ».</translation>
    </message>
    <message>
        <source>没有找到“%1”。</source>
        <translation>« %1 » introuvable.</translation>
    </message>
    <message>
        <source>已将 %1 个信道保存到 %2</source>
        <translation>%1 canaux enregistrés dans %2</translation>
    </message>
    <message>
        <source>已打开 %1：%2 个信道</source>
        <translation>%1 ouvert : %2 canaux</translation>
    </message>
    <message>
        <source>信道文件 (*.json *.csv)</source>
        <translation>Fichiers de canaux (*.json *.csv)</translation>
    </message>
    <message>
        <source>已连接到 %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>已断开 %1</source>
        <translation>Déconnecté de %1</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2（已从头查找）</source>
        <translation>« %1 » trouvé : canal %2 (recherche reprise au début)</translation>
    </message>
    <message>
        <source>找到“%1”：信道 %2</source>
        <translation>« %1 » trouvé : canal %2</translation>
    </message>
    <message>
        <source>读取勾选的信道并与表格比较，表格不变</source>
        <translation>Lire les canaux cochés et les comparer avec le tableau ; le tableau n&apos;est pas modifié</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>写入前先读取这些信道、保存备份并显示将要改变的内容</source>
        <translation>Avant l&apos;écriture, lire ces canaux, enregistrer une copie de sauvegarde et afficher ce qui va changer</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>写入前的预览</source>
        <translation>Aperçu avant l&apos;écriture</translation>
    </message>
    <message>
        <source>与电台比较</source>
        <translation>Comparaison avec la radio</translation>
    </message>
    <message>
        <source>写入将改变 %1 个信道，%2 个信道不变。</source>
        <translation>L&apos;écriture modifie %1 canaux ; %2 canaux restent inchangés.</translation>
    </message>
    <message>
        <source>%1 个信道与电台不同，%2 个信道相同。</source>
        <translation>%1 canaux diffèrent de la radio ; %2 canaux sont identiques.</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>电台的值</source>
        <translation>Valeur de la radio</translation>
    </message>
    <message>
        <source>新的值</source>
        <translation>Nouvelle valeur</translation>
    </message>
    <message>
        <source>表格的值</source>
        <translation>Valeur du tableau</translation>
    </message>
    <message>
        <source>只写入改变的信道</source>
        <translation>Écrire seulement les canaux modifiés</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>取电台的值</source>
        <translation>Prendre les valeurs de la radio</translation>
    </message>
    <message>
        <source>把所选信道的电台的值放进表格</source>
        <translation>Mettre dans le tableau les valeurs de la radio des canaux sélectionnés</translation>
    </message>
    <message>
        <source>打开最新的备份</source>
        <translation>Ouvrir la dernière copie de sauvegarde</translation>
    </message>
    <message>
        <source>写入已取消：备份没有完成</source>
        <translation>Écriture annulée : la copie de sauvegarde n&apos;a pas abouti</translation>
    </message>
    <message>
        <source>比较完成：%1 个信道不同，%2 个相同</source>
        <translation>Comparaison terminée : %1 canaux différents, %2 identiques</translation>
    </message>
    <message>
        <source>备份没有保存，没有写入：%1</source>
        <translation>La copie de sauvegarde n&apos;a pas été enregistrée ; rien n&apos;a été écrit : %1</translation>
    </message>
    <message>
        <source>没有需要写入的改变</source>
        <translation>Aucune modification à écrire</translation>
    </message>
    <message>
        <source>还没有备份。</source>
        <translation>Il n&apos;y a pas encore de copie de sauvegarde.</translation>
    </message>
    <message>
        <source>正在比较..</source>
        <translation>Comparaison..</translation>
    </message>
    <message>
        <source>正在备份..</source>
        <translation>Sauvegarde..</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>选中的行已在最上面。</source>
        <translation>Les lignes sélectionnées sont déjà en haut.</translation>
    </message>
    <message>
        <source>选中的行已在最下面。</source>
        <translation>Les lignes sélectionnées sont déjà en bas.</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>信道 %1 及以下没有空行：没有插入。</source>
        <translation>Aucune ligne vide à partir du canal %1 : rien n&apos;a été inséré.</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>移除行</source>
        <translation>Supprimer les lignes</translation>
    </message>
    <message>
        <source>按名称排序</source>
        <translation>Trier par nom</translation>
    </message>
    <message>
        <source>按频率排序</source>
        <translation>Trier par fréquence</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Recopier vers le bas</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>传输进度</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>信道表</source>
        <translation>Tableau des canaux</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>État</translation>
    </message>
    <message>
        <source>最近的文件</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>没有最近的文件</source>
        <translation>Aucun fichier récent</translation>
    </message>
</context>
</TS>
