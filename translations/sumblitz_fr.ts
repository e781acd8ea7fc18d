<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>core</name>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>OnStart</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Teach</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>MaxTime</source>
        <translation>TempsMax</translation>
    </message>
    <message>
        <source>MaxProb</source>
        <translation>CalcMax</translation>
    </message>
    <message>
        <source>StopOn</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Chrono</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>Calc</translation>
    </message>
    <message>
        <source>Either</source>
        <translation>L&apos;un</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Loaded</source>
        <translation>Chargé</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Timer:</source>
        <translation>Chrono :</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Attente :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10Sub</source>
        <translation>10Moins</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <source>DivR</source>
        <translation>DivRes</translation>
    </message>
    <message>
        <source>Begin:</source>
        <translation>Nouveau :</translation>
    </message>
    <message>
        <source>Remove:</source>
        <translation>Retiré :</translation>
    </message>
    <message>
        <source>Rev 1 to</source>
        <translation>Révision 1 à</translation>
    </message>
    <message>
        <source>Rev End</source>
        <translation>Fin révision</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Super travail !</translation>
    </message>
    <message>
        <source>Auto Teach On</source>
        <translation>Guide actif</translation>
    </message>
    <message>
        <source>Auto Teach Off</source>
        <translation>Guide arrêté</translation>
    </message>
    <message>
        <source>Original Default</source>
        <translation>Réglage d&apos;origine</translation>
    </message>
    <message>
        <source>Custom Default</source>
        <translation>Réglage perso</translation>
    </message>
    <message>
        <source>Get Ready</source>
        <translation>Prépare-toi</translation>
    </message>
    <message>
        <source>Nothing to drill</source>
        <translation>Rien à calculer</translation>
    </message>
    <message>
        <source>Choose other numbers</source>
        <translation>Choisis d&apos;autres nombres</translation>
    </message>
    <message>
        <source>!! Time Out !!</source>
        <translation>!! Temps écoulé !!</translation>
    </message>
    <message>
        <source>!!Wrong Answer !!</source>
        <translation>!! Mauvaise réponse !!</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtract from 10</source>
        <translation>10 moins</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division without remainders</source>
        <translation>Division sans reste</translation>
    </message>
    <message>
        <source>Division with remainders</source>
        <translation>Division avec reste</translation>
    </message>
    <message>
        <source>Fluent</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Often wrong</source>
        <translation>Souvent faux</translation>
    </message>
    <message>
        <source>Never asked</source>
        <translation>Jamais demandé</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Operation and level</source>
        <translation>Opération et niveau</translation>
    </message>
    <message>
        <source>Auto Teach</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Last drill</source>
        <translation>Dernier exercice</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Right this week</source>
        <translation>Juste cette semaine</translation>
    </message>
    <message>
        <source>Fluent facts</source>
        <translation>Calculs acquis</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>history could not be read</source>
        <translation>historique illisible</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>by</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutes cette semaine</translation>
    </message>
    <message>
        <source>Today&apos;s Practice</source>
        <translation>Entraînement du jour</translation>
    </message>
    <message>
        <source>Due today</source>
        <translation>À revoir aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Fluent facts gained this week</source>
        <translation>Calculs acquis cette semaine</translation>
    </message>
    <message>
        <source>pupil</source>
        <translation>élève</translation>
    </message>
    <message>
        <source>time</source>
        <translation>heure</translation>
    </message>
    <message>
        <source>drill began</source>
        <translation>début de l&apos;exercice</translation>
    </message>
    <message>
        <source>operation</source>
        <translation>opération</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>calcul</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>réponse</translation>
    </message>
    <message>
        <source>chosen</source>
        <translation>choisie</translation>
    </message>
    <message>
        <source>outcome</source>
        <translation>résultat</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>millisecondes</translation>
    </message>
    <message>
        <source>auto teach</source>
        <translation>guide</translation>
    </message>
    <message>
        <source>first numbers</source>
        <translation>premiers nombres</translation>
    </message>
    <message>
        <source>second numbers</source>
        <translation>deuxièmes nombres</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>temps écoulé</translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>Settings could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les réglages n&apos;ont pas été enregistrés (%1)</translation>
    </message>
    <message>
        <source>Settings could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les réglages n&apos;ont pas pu être lus (%1)</translation>
    </message>
    <message>
        <source>Results could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les résultats n&apos;ont pas été enregistrés (%1)</translation>
    </message>
    <message>
        <source>Results could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les résultats n&apos;ont pas pu être lus (%1)</translation>
    </message>
    <message>
        <source>Results could not be read and were not saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les résultats n&apos;ont pas pu être lus et n&apos;ont pas été enregistrés (%1)</translation>
    </message>
    <message>
        <source>Student data could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les élèves n&apos;ont pas été enregistrés (%1)</translation>
    </message>
    <message>
        <source>Student data could not be read (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les élèves n&apos;ont pas pu être lus (%1)</translation>
    </message>
    <message>
        <source>History could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>L&apos;historique n&apos;a pas été enregistré (%1)</translation>
    </message>
    <message>
        <source>Table could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Le tableau n&apos;a pas été enregistré (%1)</translation>
    </message>
    <message>
        <source>Progress could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Les progrès n&apos;ont pas été enregistrés (%1)</translation>
    </message>
    <message>
        <source>Overview could not be saved (%1)</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>La vue de la classe n&apos;a pas été enregistrée (%1)</translation>
    </message>
    <message>
        <source>The data folder cannot be reached: saving again soon</source>
        <translation>Le dossier des données est injoignable : nouvel enregistrement dans un instant</translation>
    </message>
    <message>
        <source>%1 is in use on %2</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 est utilisé sur %2</translation>
    </message>
    <message>
        <source>%1 was taken over by another computer: her results are no longer saved here</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 a été repris par un autre ordinateur : ses résultats ne sont plus enregistrés ici</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <extracomment>%1 is a computer&apos;s name, %2 a time of day (10:02).</extracomment>
        <translation>%1 depuis %2</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) was damaged and has been repaired: every pupil found in it is listed.</source>
        <translation>Le fichier de la classe (StdDat.Xrx) était abîmé et a été réparé : tous les élèves retrouvés sont dans la liste.</translation>
    </message>
    <message>
        <source>The class file (StdDat.Xrx) cannot be read (%1): it is left as it is, and pupils cannot be added, removed or renamed.</source>
        <extracomment>%1 is the system&apos;s reason.</extracomment>
        <translation>Le fichier de la classe (StdDat.Xrx) ne peut pas être lu (%1) : il reste tel quel, et on ne peut pas ajouter, retirer ou renommer d&apos;élève.</translation>
    </message>
    <message>
        <source>The class list is being changed on %1: choose Cancel and open this window again in a moment.</source>
        <extracomment>%1 is the computer (and since when).</extracomment>
        <translation>La liste de la classe est en train d&apos;être modifiée sur %1 : clique sur Annuler et rouvre cette fenêtre dans un instant.</translation>
    </message>
    <message>
        <source>%1 is in use on %2: she can be changed once that computer has let her go.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 est utilisé sur %2 : on pourra le modifier quand cet ordinateur l&apos;aura libéré.</translation>
    </message>
    <message>
        <source>%1 is in use on %2. Take Over only when that computer is off: what it has not saved is lost.</source>
        <extracomment>%1 is the pupil, %2 the computer (and since when).</extracomment>
        <translation>%1 est utilisé sur %2. Ne reprends que si cet ordinateur est éteint : ce qu&apos;il n&apos;a pas enregistré est perdu.</translation>
    </message>
    <message>
        <source>That letter cannot be kept in a pupil&apos;s name: use the letters of Western European languages.</source>
        <translation>Cette lettre ne peut pas aller dans un nom : utilise les lettres des langues d&apos;Europe de l&apos;Ouest.</translation>
    </message>
    <message>
        <source>Choose the pupil to rename in the list first.</source>
        <translation>Choisis d&apos;abord dans la liste l&apos;élève à renommer.</translation>
    </message>
    <message>
        <source>Type the new name in the box above the list first.</source>
        <translation>Écris d&apos;abord le nouveau nom dans la case au-dessus de la liste.</translation>
    </message>
    <message>
        <source>%1 is already on the list: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 est déjà dans la liste : choisis un autre nom.</translation>
    </message>
    <message>
        <source>%1 has no record in the class file yet: choose OK first.</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 n&apos;est pas encore dans le fichier de la classe : clique d&apos;abord sur OK.</translation>
    </message>
    <message>
        <source>Results are already kept under the name %1: choose another name.</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>Il y a déjà des résultats sous le nom %1 : choisis un autre nom.</translation>
    </message>
    <message>
        <source>The answer history of %1 stays under that name: another history is kept under the name %2.</source>
        <extracomment>%1 is the pupil&apos;s old name, %2 her new one.</extracomment>
        <translation>L&apos;historique des réponses de %1 reste sous ce nom : un autre historique existe déjà sous le nom %2.</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved, so no other pupil is loaded: %2</source>
        <extracomment>%1 is the pupil; %2 is the main window&apos;s line that says which files were not saved.</extracomment>
        <translation>Les résultats de %1 n&apos;ont pas été enregistrés, donc aucun autre élève n&apos;est chargé : %2</translation>
    </message>
    <message>
        <source>The class file</source>
        <translation>Le fichier de la classe</translation>
    </message>
    <message>
        <source>The settings of %1 could not be stored</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Les réglages de %1 n&apos;ont pas été enregistrés</translation>
    </message>
    <message>
        <source>%1 cannot be shown yet</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 ne peut pas encore être affiché</translation>
    </message>
    <message>
        <source>%1 could not be added</source>
        <extracomment>%1 is the name typed.</extracomment>
        <translation>%1 n&apos;a pas pu être ajouté</translation>
    </message>
    <message>
        <source>%1 could not be renamed</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>%1 n&apos;a pas pu être renommé</translation>
    </message>
    <message>
        <source>The list could not be saved, nothing is changed yet</source>
        <translation>La liste n&apos;a pas été enregistrée, rien n&apos;est encore changé</translation>
    </message>
    <message>
        <source>%1: the class list is being changed on %2. Try again to wait for it, or choose Cancel.</source>
        <extracomment>%1 says what could not be done (one of the messages above), %2 is the computer.</extracomment>
        <translation>%1 : la liste de la classe est en train d&apos;être modifiée sur %2. Réessaie pour l&apos;attendre, ou clique sur Annuler.</translation>
    </message>
    <message>
        <source>%1: another computer has removed this pupil.</source>
        <extracomment>%1 says what could not be done (one of the messages above).</extracomment>
        <translation>%1 : un autre ordinateur a retiré cet élève.</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <extracomment>%1 says what could not be done, %2 is the file&apos;s name, %3 why (the system&apos;s reason, or one of the reasons at the end).</extracomment>
        <translation>%1 (%2) : %3.</translation>
    </message>
    <message>
        <source>No answers kept yet for %1</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>Pas encore de réponses gardées pour %1</translation>
    </message>
    <message>
        <source>The history of %1 could not be read</source>
        <extracomment>%1 is the pupil.</extracomment>
        <translation>L&apos;historique de %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>another computer</source>
        <extracomment>Who holds a pupil or the class list when the lock names no one.</extracomment>
        <translation>un autre ordinateur</translation>
    </message>
    <message>
        <source>the class list holds no more pupils</source>
        <translation>la liste de la classe ne peut plus recevoir d&apos;élève</translation>
    </message>
    <message>
        <source>results are already kept under that name</source>
        <translation>il y a déjà des résultats sous ce nom</translation>
    </message>
    <message>
        <source>it is in use on another computer</source>
        <translation>il est utilisé sur un autre ordinateur</translation>
    </message>
    <message>
        <source>another computer has taken it over</source>
        <translation>un autre ordinateur l&apos;a repris</translation>
    </message>
    <message>
        <source>another computer has removed it</source>
        <translation>un autre ordinateur l&apos;a retiré</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>il n&apos;est pas là</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est abîmé</translation>
    </message>
    <message>
        <source>it was made by a newer version of Sumblitz</source>
        <translation>il a été fait par une version plus récente de Sumblitz</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>That is not the teacher password.</source>
        <translation>Ce n&apos;est pas le mot de passe de l&apos;enseignant.</translation>
    </message>
    <message>
        <source>The current password is not right.</source>
        <translation>Le mot de passe actuel n&apos;est pas le bon.</translation>
    </message>
    <message>
        <source>Type the new password in both boxes.</source>
        <translation>Tape le nouveau mot de passe dans les deux cases.</translation>
    </message>
    <message>
        <source>The two new passwords are not the same.</source>
        <translation>Les deux nouveaux mots de passe ne sont pas identiques.</translation>
    </message>
    <message>
        <source>The teacher password could not be saved</source>
        <translation>Le mot de passe de l&apos;enseignant n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>The teacher password could not be removed</source>
        <translation>Le mot de passe de l&apos;enseignant n&apos;a pas pu être supprimé</translation>
    </message>
    <message>
        <source>The teacher password cannot be checked (%1): %2. Deleting that file removes the password.</source>
        <extracomment>%1 is the file&apos;s name, %2 why (the system&apos;s reason, or one of the reasons below).</extracomment>
        <translation>Le mot de passe de l&apos;enseignant ne peut pas être vérifié (%1) : %2. Supprimer ce fichier enlève le mot de passe.</translation>
    </message>
    <message>
        <source>%1&apos;s history was damaged: kept as %2, new answers are saved again</source>
        <extracomment>%1 is the pupil, %2 the file her damaged history is kept in.</extracomment>
        <translation>L&apos;historique de %1 était abîmé : il est gardé sous le nom %2, les nouvelles réponses sont de nouveau enregistrées</translation>
    </message>
    <message>
        <source>%1 is a link out of the class folder: not written</source>
        <extracomment>%1 is the file&apos;s name. A symbolic link leading out of the folder of the class&apos;s files.</extracomment>
        <translation>%1 est un lien qui sort du dossier de la classe : non écrit</translation>
    </message>
    <message>
        <source>%1 (owner %2) cannot be written (%3)</source>
        <extracomment>%1 is the file&apos;s (or folder&apos;s) name, %2 the account that owns it, %3 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 (propriétaire %2) ne peut pas être écrit (%3)</translation>
    </message>
    <message>
        <source>%1 cannot be made: the folder %2 (owner %3) cannot be written (%4)</source>
        <extracomment>%1 is the file&apos;s name, %2 the folder&apos;s name, %3 the account that owns the folder, %4 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>%1 ne peut pas être créé : le dossier %2 (propriétaire %3) ne peut pas être écrit (%4)</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 says what could not be done, %2 why (a file not written, or one of the reasons at the end).</extracomment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>it is a link out of the class folder</source>
        <translation>c&apos;est un lien qui sort du dossier de la classe</translation>
    </message>
    <message>
        <source>the data folder cannot be reached</source>
        <translation>le dossier des données est injoignable</translation>
    </message>
</context>
<context>
    <name>sb::Announcer</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>is</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
</context>
<context>
    <name>sb::ClassOverviewWindow</name>
    <message>
        <source>Class Overview</source>
        <translation>Vue de la classe</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>Décroiss&amp;ant</translation>
    </message>
    <message>
        <source>&amp;Sort by:</source>
        <translation>&amp;Trier par :</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Enregistrer en CS&amp;V…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the class overview as CSV</source>
        <translation>Enregistrer la vue de la classe en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the class overview as PDF</source>
        <translation>Enregistrer la vue de la classe en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Every pupil</source>
        <translation>Tous les élèves</translation>
    </message>
    <message>
        <source>No pupils in the student file yet.</source>
        <translation>Pas encore d&apos;élève dans le fichier des élèves.</translation>
    </message>
    <message>
        <source>%1 pupils; a week is today and the six days before it.</source>
        <translation>%1 élèves ; une semaine, c&apos;est aujourd&apos;hui et les six jours d&apos;avant.</translation>
    </message>
    <message>
        <source>class overview</source>
        <comment>the start of a file name</comment>
        <translation>vue de la classe</translation>
    </message>
    <message>
        <source>Enter opens the pupil&apos;s Progress</source>
        <translation>Entrée ouvre la progression de l&apos;élève</translation>
    </message>
</context>
<context>
    <name>sb::HelpWindow</name>
    <message>
        <source>the folder Sumblitz was started in</source>
        <translation>le dossier où Sumblitz a été lancé</translation>
    </message>
    <message>
        <source>Sumblitz Help</source>
        <translation>Aide de Sumblitz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>On this page</source>
        <translation>Sur cette page</translation>
    </message>
    <message>
        <source>Heading: %1</source>
        <translation>Titre : %1</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Lien : %1</translation>
    </message>
</context>
<context>
    <name>sb::MainWindow</name>
    <message>
        <source>Step1</source>
        <translation>Étape1</translation>
    </message>
    <message>
        <source>Step2</source>
        <translation>Étape2</translation>
    </message>
    <message>
        <source>Step3</source>
        <translation>Étape3</translation>
    </message>
    <message>
        <source>Step4</source>
        <translation>Étape4</translation>
    </message>
    <message>
        <source>Step5</source>
        <translation>Étape5</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 moins</translation>
    </message>
    <message>
        <source>Subract</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <source>Div with R</source>
        <translation>Divisé avec reste</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Addition&quot;</source>
        <translation>&quot;Pour t&apos;entraîner aux additions&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtract from 10&quot;</source>
        <translation>&quot;Pour t&apos;entraîner à 10 moins un nombre&quot;</translation>
    </message>
    <message>
        <source>&quot;Sets drilling mode to Subtraction&quot;</source>
        <translation>&quot;Pour t&apos;entraîner aux soustractions&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to multiplication&quot;</source>
        <translation>&quot;Pour t&apos;entraîner aux multiplications&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division without remainders&quot;</source>
        <translation>&quot;Pour t&apos;entraîner aux divisions sans reste&quot;</translation>
    </message>
    <message>
        <source>Sets drilling mode to Division with Remainders&quot;</source>
        <translation>&quot;Pour t&apos;entraîner aux divisions avec reste&quot;</translation>
    </message>
    <message>
        <source>SwitchAB</source>
        <translation>Échanger A et B</translation>
    </message>
    <message>
        <source>&quot;Randomly switches First number and Second number&quot;</source>
        <translation>&quot;Échange parfois le premier et le deuxième nombre&quot;</translation>
    </message>
    <message>
        <source>First Number(A)</source>
        <translation>Premier nombre (A)</translation>
    </message>
    <message>
        <source>  1 Thru 10</source>
        <translation>  1 à 10</translation>
    </message>
    <message>
        <source>11 Thru 13</source>
        <translation>11 à 13</translation>
    </message>
    <message>
        <source>14 Thru 16</source>
        <translation>14 à 16</translation>
    </message>
    <message>
        <source>17 Thru 20</source>
        <translation>17 à 20</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 1 thru 10 as first number&quot;</source>
        <translation>&quot;Premier nombre de 1 à 10&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 11 thru 13 as the first number&quot;</source>
        <translation>&quot;Premier nombre de 11 à 13&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 14 thru 16 as the first number</source>
        <translation>&quot;Premier nombre de 14 à 16&quot;</translation>
    </message>
    <message>
        <source>&quot;Enables the use of 17 thru 20 as the first number&quot;</source>
        <translation>&quot;Premier nombre de 17 à 20&quot;</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Unslect All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Second  Num(B)</source>
        <translation>Deuxième  nombre (B)</translation>
    </message>
    <message>
        <source>&quot;selects the Second number&quot;</source>
        <translation>&quot;Choisis le deuxième nombre&quot;</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Smart Repeat</source>
        <translation>Répétition futée</translation>
    </message>
    <message>
        <source>&quot;Opens Smart Repeat window&quot;</source>
        <translation>&quot;Ouvre la fenêtre Répétition futée&quot;</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>&quot;Opens Student Data window&quot;</source>
        <translation>&quot;Ouvre la fenêtre Élèves&quot;</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&quot;Shows a result of score in Table view&quot;</source>
        <translation>&quot;Montre tes résultats dans un tableau&quot;</translation>
    </message>
    <message>
        <source>? Goto Help</source>
        <translation>? Aide</translation>
    </message>
    <message>
        <source>&quot;Opens Help File&quot;</source>
        <translation>&quot;Ouvre l&apos;aide&quot;</translation>
    </message>
    <message>
        <source>Settings in use</source>
        <translation>Réglages utilisés</translation>
    </message>
    <message>
        <source>Start Program</source>
        <translation>On commence</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>&quot;Starts and Restarts the drill&quot;</source>
        <translation>&quot;Lance l&apos;exercice ou le reprend&quot;</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&quot;Pauses drill&quot;</source>
        <translation>&quot;Met l&apos;exercice en pause&quot;</translation>
    </message>
    <message>
        <source>New Drill</source>
        <translation>Nouvel exercice</translation>
    </message>
    <message>
        <source>&quot;Resets time and score&quot;</source>
        <translation>&quot;Remet le temps et les points à zéro&quot;</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>Shows the pupil&apos;s progress over time (F6)</source>
        <translation>Montre les progrès de l&apos;enfant au fil du temps (F6)</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>&amp;Read Aloud</source>
        <translation>&amp;Lire à voix haute</translation>
    </message>
    <message>
        <source>Reads each problem, the answers and the score aloud to this pupil</source>
        <translation>Lit à voix haute à cet élève chaque problème, les réponses et le score</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message>
        <source>Pupil: %1</source>
        <translation>Élève : %1</translation>
    </message>
    <message>
        <source>&amp;Today&apos;s Practice</source>
        <translation>&amp;Entraînement du jour</translation>
    </message>
    <message>
        <source>A short practice of the facts this pupil needs most today</source>
        <translation>Un court exercice sur les calculs dont cet élève a le plus besoin aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>sb::PasswordSettingWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Mot de passe de l&apos;enseignant</translation>
    </message>
    <message>
        <source>Once a teacher password is set, Smart Repeat, Student Data and the progress of other pupils ask for it, on every computer that uses this data folder. It keeps pupils out of those windows, not out of the folder: whoever can delete files there can delete %1, which also removes a forgotten password.</source>
        <translation>Une fois un mot de passe de l&apos;enseignant défini, « Répétition futée », « Élèves » et les progrès des autres enfants le demandent, sur chaque ordinateur qui utilise ce dossier de données. Il tient les enfants à l&apos;écart de ces fenêtres, pas du dossier : qui peut y supprimer des fichiers peut supprimer %1, ce qui enlève aussi un mot de passe oublié.</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Mot de passe actuel</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Nouveau mot de passe confirmé</translation>
    </message>
    <message>
        <source>&amp;Current password:</source>
        <translation>Mot de passe &amp;actuel :</translation>
    </message>
    <message>
        <source>&amp;New password:</source>
        <translation>&amp;Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>New password &amp;again:</source>
        <translation>&amp;Confirmer le nouveau :</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Modifier le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Set Password</source>
        <translation>&amp;Définir le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Remove Password</source>
        <translation>&amp;Supprimer le mot de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>sb::PasswordWindow</name>
    <message>
        <source>Teacher Password</source>
        <translation>Mot de passe de l&apos;enseignant</translation>
    </message>
    <message>
        <source>Only the teacher may open this window.</source>
        <translation>Seul l&apos;enseignant peut ouvrir cette fenêtre.</translation>
    </message>
    <message>
        <source>Teacher password</source>
        <translation>Mot de passe de l&apos;enseignant</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>sb::ProgressChart</name>
    <message>
        <source>Progress chart; its figures are in the table beside it</source>
        <translation>Graphique des progrès ; ses chiffres sont dans le tableau à côté</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% juste</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>Médiane en secondes</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Médiane s</translation>
    </message>
    <message>
        <source>MMM d</source>
        <comment>a day on the chart&apos;s axis, as QDate writes it</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Aucune réponse sur cette période</translation>
    </message>
</context>
<context>
    <name>sb::ProgressWindow</name>
    <message>
        <source>%1, median %2 s of 1 answer</source>
        <translation>%1, médiane %2 s sur 1 réponse</translation>
    </message>
    <message>
        <source>%1, median %2 s of %3 answers</source>
        <translation>%1, médiane %2 s sur %3 réponses</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>% right</source>
        <translation>% juste</translation>
    </message>
    <message>
        <source>Median s</source>
        <translation>Médiane s</translation>
    </message>
    <message>
        <source>Progress: %1</source>
        <translation>Progrès : %1</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source> s</source>
        <comment>seconds</comment>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Opération :</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;Acquis en :</translation>
    </message>
    <message>
        <source>Fluency &amp;grid</source>
        <translation>&amp;Grille des calculs</translation>
    </message>
    <message>
        <source>Wrong answers chosen most often</source>
        <translation>Les mauvaises réponses les plus fréquentes</translation>
    </message>
    <message>
        <source>&amp;Confusions</source>
        <translation>&amp;Confusions</translation>
    </message>
    <message>
        <source>Over &amp;time</source>
        <translation>Au fil du &amp;temps</translation>
    </message>
    <message>
        <source>Save history as CS&amp;V...</source>
        <translation>Enregistrer l&apos;historique en CS&amp;V…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>Imp&amp;rimer…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save the answer history as CSV</source>
        <translation>Enregistrer l&apos;historique des réponses en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the progress as PDF</source>
        <translation>Enregistrer les progrès en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Fluency grid: first numbers by second numbers</source>
        <translation>Grille des calculs : premiers nombres par deuxièmes nombres</translation>
    </message>
    <message>
        <source>The chart&apos;s figures by day</source>
        <translation>Les chiffres du graphique, jour par jour</translation>
    </message>
    <message>
        <source>No wrong answers in this period</source>
        <translation>Aucune mauvaise réponse pendant cette période</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>progress</source>
        <comment>the start of a file name</comment>
        <translation>progrès</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and what it is</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <translation>%1 : aucune réponse.</translation>
    </message>
    <message>
        <source>%1: %2 problems, %3% right, %4 min answering.</source>
        <translation>%1 : %2 calculs, %3 % justes, %4 min de réponse.</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>The week before</source>
        <translation>La semaine d&apos;avant</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Facts to practise next, most urgent first</source>
        <translation>À travailler ensuite, le plus urgent d&apos;abord</translation>
    </message>
    <message>
        <source>Practise &amp;next</source>
        <translation>À travailler &amp;ensuite</translation>
    </message>
    <message>
        <source>Nothing to practise next: no fact is often wrong or slow</source>
        <translation>Rien à travailler : aucun calcul n&apos;est souvent faux ou lent</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>ddd d MMM</source>
        <translation>ddd d MMM</translation>
    </message>
    <message>
        <source>Next review: %1, recall now %2%</source>
        <translation>Prochaine révision : %1, souvenir maintenant %2 %</translation>
    </message>
    <message>
        <source>d/M</source>
        <extracomment>a day as short as it goes, in a grid cell (a QDate format)</extracomment>
        <translation>d/M</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <comment>facts whose review falls today, in Today&apos;s Practice</comment>
        <translation>À revoir aujourd&apos;hui : %1</translation>
    </message>
    <message>
        <source>Each cell: the median seconds of the fact&apos;s last five answers, the recall predicted now and the day of its next review.</source>
        <translation>Chaque case : la médiane en secondes des cinq dernières réponses, la chance prévue que le calcul soit su maintenant et le jour de sa prochaine révision.</translation>
    </message>
</context>
<context>
    <name>sb::ResultsSurface</name>
    <message>
        <source>none wrong</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>pas demandé</translation>
    </message>
</context>
<context>
    <name>sb::ResultsWindow</name>
    <message>
        <source>Percent Correct</source>
        <translation>Pourcentage juste</translation>
    </message>
    <message>
        <source>Number Wrong</source>
        <translation>Nombre d&apos;erreurs</translation>
    </message>
    <message>
        <source>Ratio: Correct/Total</source>
        <translation>Rapport : juste/total</translation>
    </message>
    <message>
        <source>Results Table</source>
        <translation>Tableau des résultats</translation>
    </message>
    <message>
        <source>Scroll the table</source>
        <translation>Faire défiler le tableau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>Save all facts as &amp;CSV...</source>
        <translation>Enregistrer tous les calculs en &amp;CSV…</translation>
    </message>
    <message>
        <source>Results table, </source>
        <translation>Tableau des résultats, </translation>
    </message>
    <message>
        <source>No drill yet: the table is empty.</source>
        <translation>Pas encore d&apos;exercice : le tableau est vide.</translation>
    </message>
    <message>
        <source>Results Table: </source>
        <translation>Tableau des résultats : </translation>
    </message>
    <message>
        <source>Print the Results Table</source>
        <translation>Imprimer le tableau des résultats</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the Results Table as PDF</source>
        <translation>Enregistrer le tableau des résultats en PDF</translation>
    </message>
    <message>
        <source>Save every fact as CSV</source>
        <translation>Enregistrer tous les calculs en CSV</translation>
    </message>
    <message>
        <source>Each fact has its cell: rows 1 to 20 down the side, columns 1 to 10 (the second number) across the top.</source>
        <translation>Chaque calcul a sa case : les lignes 1 à 20 sur le côté, les colonnes 1 à 10 (le deuxième nombre) en haut.</translation>
    </message>
    <message>
        <source> Row 7, column 4 is </source>
        <translation> Ligne 7, colonne 4 : </translation>
    </message>
    <message>
        <source>Percent Correct: the right answers in percent of those given. Number Wrong: the wrong answers (time-outs included), as a negative number. Ratio: right answers / answers given. * : never asked (in Number Wrong: none wrong).</source>
        <translation>Pourcentage juste : les bonnes réponses en pourcentage des réponses données. Nombre d&apos;erreurs : les mauvaises réponses (temps écoulés compris), en nombre négatif. Rapport : bonnes réponses / réponses données. * : jamais demandé (dans Nombre d&apos;erreurs : aucune erreur).</translation>
    </message>
    <message>
        <source>: shown</source>
        <translation> : affiché</translation>
    </message>
    <message>
        <source>: not shown</source>
        <translation> : pas affiché</translation>
    </message>
</context>
<context>
    <name>sb::SmartWindow</name>
    <message>
        <source>Smart Repeat</source>
        <translation>Répétition futée</translation>
    </message>
    <message>
        <source>Repeat Math Fact if:</source>
        <translation>Redemander le calcul si :</translation>
    </message>
    <message>
        <source>Remove MathFact if:</source>
        <translation>Retirer le calcul si :</translation>
    </message>
    <message>
        <source>End Drill Controls</source>
        <translation>Fin de l&apos;exercice</translation>
    </message>
    <message>
        <source>Minor Options</source>
        <translation>Autres réglages</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Opens Student Data Window</source>
        <translation>Ouvre la fenêtre Élèves</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close Current window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Activates Repeat when answer is incorrect</source>
        <translation>Redemande quand la réponse est fausse</translation>
    </message>
    <message>
        <source> Wrong</source>
        <translation> Faux</translation>
    </message>
    <message>
        <source>Wrong Times</source>
        <translation>Combien de fois faux</translation>
    </message>
    <message>
        <source>How many timesWrong to trigger Repeat cycle</source>
        <translation>Combien de fois faux avant de redemander</translation>
    </message>
    <message>
        <source>Times      -&gt;Then Do</source>
        <translation>fois       -&gt;puis</translation>
    </message>
    <message>
        <source>Number of repeats</source>
        <translation>Combien de fois redemander</translation>
    </message>
    <message>
        <source>Repeats</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Slower Than</source>
        <translation>Plus lent que</translation>
    </message>
    <message>
        <source>Activates Repeat when slow</source>
        <translation>Redemande quand la réponse est lente</translation>
    </message>
    <message>
        <source> Slower Than</source>
        <translation> Plus lent que</translation>
    </message>
    <message>
        <source>Slower Than seconds</source>
        <translation>Plus lent que secondes</translation>
    </message>
    <message>
        <source>Trigger to start Repeat feature</source>
        <translation>À partir de là, on redemande</translation>
    </message>
    <message>
        <source>seconds -&gt;Then Do</source>
        <translation>secondes -&gt;puis</translation>
    </message>
    <message>
        <source>Number of Repeats</source>
        <translation>Combien de fois redemander</translation>
    </message>
    <message>
        <source>Repeat randomly within next</source>
        <translation>Redemander dans les</translation>
    </message>
    <message>
        <source>Repeat randomly within next questions</source>
        <translation>Redemander dans les prochains calculs</translation>
    </message>
    <message>
        <source>&quot;Interval for Repeat&quot;</source>
        <translation>&quot;Quand redemander&quot;</translation>
    </message>
    <message>
        <source>questions</source>
        <translation>calculs suivants</translation>
    </message>
    <message>
        <source>Consecutively Correct</source>
        <translation>Juste à la suite</translation>
    </message>
    <message>
        <source>&quot;Activates Remove&quot;</source>
        <translation>&quot;Active le retrait&quot;</translation>
    </message>
    <message>
        <source> Consecutively Correct</source>
        <translation> Juste à la suite</translation>
    </message>
    <message>
        <source>Trigger for Remove</source>
        <translation>À partir de là, on retire</translation>
    </message>
    <message>
        <source>Correct Faster Than</source>
        <translation>Juste plus vite que</translation>
    </message>
    <message>
        <source>Activates Remove</source>
        <translation>Active le retrait</translation>
    </message>
    <message>
        <source>Seconds In Last</source>
        <translation>secondes sur les</translation>
    </message>
    <message>
        <source>Seconds In Last Problems</source>
        <translation>secondes sur les derniers calculs</translation>
    </message>
    <message>
        <source>Number of Problems to Trigger Remove</source>
        <translation>Nombre de calculs avant de retirer</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>calculs</translation>
    </message>
    <message>
        <source>Let Remove OverRide Repeat</source>
        <translation>Retirer passe avant redemander</translation>
    </message>
    <message>
        <source>Removes even with pending Repeats</source>
        <translation>Retire même s&apos;il reste des répétitions</translation>
    </message>
    <message>
        <source> Let Remove OverRide Repeat</source>
        <translation> Retirer passe avant redemander</translation>
    </message>
    <message>
        <source>   Save Level at end of drill</source>
        <translation>   Garder le niveau à la fin</translation>
    </message>
    <message>
        <source>Loads current Settings on Start</source>
        <translation>Charge les réglages au démarrage</translation>
    </message>
    <message>
        <source>Max Time(min)</source>
        <translation>Temps max (min)</translation>
    </message>
    <message>
        <source>&quot;The maximum time in minutes the drill will last&quot;</source>
        <translation>&quot;L&apos;exercice dure au plus ces minutes&quot;</translation>
    </message>
    <message>
        <source>Max Problems</source>
        <translation>Calculs max</translation>
    </message>
    <message>
        <source>&quot;The maximum number of problems to drill&quot;</source>
        <translation>&quot;Il y a au plus ce nombre de calculs&quot;</translation>
    </message>
    <message>
        <source>ShockClock(sec)</source>
        <translation>Chrono-éclair (s)</translation>
    </message>
    <message>
        <source>&quot;Time limit to answer question in seconds&quot;</source>
        <translation>&quot;Tu as ces secondes pour répondre&quot;</translation>
    </message>
    <message>
        <source>Delay Time(Sec)</source>
        <translation>Attente (s)</translation>
    </message>
    <message>
        <source>&quot;Locks controls for a few seconds</source>
        <translation>&quot;Bloque les boutons quelques secondes&quot;</translation>
    </message>
    <message>
        <source>Stop Drill when:</source>
        <translation>Arrêter quand :</translation>
    </message>
    <message>
        <source>Time is up</source>
        <translation>le temps est fini</translation>
    </message>
    <message>
        <source>Done all Problems</source>
        <translation>tous les calculs sont faits</translation>
    </message>
    <message>
        <source>Either is finished</source>
        <translation>l&apos;un des deux est fini</translation>
    </message>
    <message>
        <source>Both are finished</source>
        <translation>les deux sont finis</translation>
    </message>
    <message>
        <source>Do Not Stop Drill</source>
        <translation>Ne pas arrêter</translation>
    </message>
    <message>
        <source>&quot;Stops drill by time only&quot;</source>
        <translation>&quot;S&apos;arrête seulement avec le temps&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill by Number of problems only&quot;</source>
        <translation>&quot;S&apos;arrête seulement avec le nombre de calculs&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops drill on the first of the two to reach its limit&quot;</source>
        <translation>&quot;S&apos;arrête dès que l&apos;un des deux est atteint&quot;</translation>
    </message>
    <message>
        <source>&quot;Stops the drill on the last of the two to reach its limit&quot;</source>
        <translation>&quot;S&apos;arrête quand les deux sont atteints&quot;</translation>
    </message>
    <message>
        <source>&quot;Drill is not Stopped</source>
        <translation>&quot;L&apos;exercice ne s&apos;arrête pas&quot;</translation>
    </message>
    <message>
        <source>Popup screen time</source>
        <translation>Fenêtre d&apos;aide</translation>
    </message>
    <message>
        <source>Popup screen time (Sec)</source>
        <translation>Fenêtre d&apos;aide (s)</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <translation>(s)</translation>
    </message>
    <message>
        <source>Original Default  </source>
        <translation>Réglage d&apos;origine  </translation>
    </message>
    <message>
        <source>Original Defaults</source>
        <translation>Réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Reset to Original Default Values</source>
        <translation>Revenir aux réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Current As Default</source>
        <translation>Garder comme défaut</translation>
    </message>
    <message>
        <source>Use Current Values as Default</source>
        <translation>Prendre ces valeurs par défaut</translation>
    </message>
    <message>
        <source>Then Do Repeats when wrong</source>
        <translation>Puis redemander tant de fois si faux</translation>
    </message>
    <message>
        <source>Then Do Repeats when slow</source>
        <translation>Puis redemander tant de fois si lent</translation>
    </message>
    <message>
        <source>Consecutively Correct times</source>
        <translation>Fois juste à la suite</translation>
    </message>
    <message>
        <source>Correct Faster Than seconds</source>
        <translation>Juste plus vite que secondes</translation>
    </message>
</context>
<context>
    <name>sb::StudentWindow</name>
    <message>
        <source>Start Review After</source>
        <translation>Réviser après</translation>
    </message>
    <message>
        <source>Prob</source>
        <translation>calc.</translation>
    </message>
    <message>
        <source>Triggers Review Feature on</source>
        <translation>À partir de là, on révise</translation>
    </message>
    <message>
        <source>Start review after (problems)</source>
        <translation>Réviser après (calculs)</translation>
    </message>
    <message>
        <source>End Review After</source>
        <translation>Finir après</translation>
    </message>
    <message>
        <source>Triggers Review Feature Off</source>
        <translation>Jusque-là, on révise</translation>
    </message>
    <message>
        <source>End review after (problems)</source>
        <translation>Finir la révision après (calculs)</translation>
    </message>
    <message>
        <source>Advance   MathFact if:  </source>
        <translation>Avancer   si :  </translation>
    </message>
    <message>
        <source>% Correct</source>
        <translation>% juste</translation>
    </message>
    <message>
        <source>Trigger to Advance Number</source>
        <translation>À partir de là, on avance</translation>
    </message>
    <message>
        <source>Advance math fact if percent correct</source>
        <translation>Avancer si ce pourcentage est juste</translation>
    </message>
    <message>
        <source>in last</source>
        <translation>sur les</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>calculs</translation>
    </message>
    <message>
        <source>Minimum to take Average</source>
        <translation>Nombre de calculs comptés</translation>
    </message>
    <message>
        <source>in last (problems)</source>
        <translation>sur les derniers (calculs)</translation>
    </message>
    <message>
        <source>Student Data</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Step1: Load Student</source>
        <translation>Étape1 : choisir l&apos;élève</translation>
    </message>
    <message>
        <source>New Student/Rename Student</source>
        <translation>Nouvel élève/Renommer</translation>
    </message>
    <message>
        <source>&quot;Type in Students Name here</source>
        <translation>&quot;Écris le nom ici&quot;</translation>
    </message>
    <message>
        <source>Add Student to List</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Click to select student</source>
        <translation>Clique pour choisir un élève</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>SortList</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Step2:Set Level</source>
        <translation>Étape2 : choisir le niveau</translation>
    </message>
    <message>
        <source>Students Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Displays current student</source>
        <translation>Montre l&apos;élève</translation>
    </message>
    <message>
        <source>Load on Start Up</source>
        <translation>Charger au démarrage</translation>
    </message>
    <message>
        <source>Loads Current student on Program Start</source>
        <translation>Charge cet élève au démarrage</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Activates Review Feature</source>
        <translation>Active la révision</translation>
    </message>
    <message>
        <source>Review active</source>
        <translation>Révision active</translation>
    </message>
    <message>
        <source>Second number %1</source>
        <translation>Deuxième nombre %1</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>10 Sub</source>
        <translation>10 moins</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <source>Divide with remainder</source>
        <translation>Divisé avec reste</translation>
    </message>
    <message>
        <source>Start/Stop</source>
        <translation>Marche/Arrêt</translation>
    </message>
    <message>
        <source>Toggles Teach Mode</source>
        <translation>Allume ou éteint le guide</translation>
    </message>
    <message>
        <source>Repeat Setting</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Opens Smart Repeat Window</source>
        <translation>Ouvre la fenêtre Répétition futée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes this Window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message>
        <source>Students Name: </source>
        <translation>Nom : </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Deuxièmes nombres</translation>
    </message>
    <message>
        <source>Class &amp;Overview...</source>
        <translation>&amp;Vue de la classe…</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Make this pupil current here although another computer has her: only when that computer is off</source>
        <translation>Prendre cet élève ici alors qu’un autre ordinateur l’a : seulement si cet ordinateur est éteint</translation>
    </message>
    <message>
        <source>Teacher &amp;Password...</source>
        <translation>&amp;Mot de passe de l&apos;enseignant…</translation>
    </message>
    <message>
        <source>Sets, changes or removes the password that Smart Repeat, Student Data and other pupils&apos; progress ask for</source>
        <translation>Définit, modifie ou supprime le mot de passe que demandent « Répétition futée », « Élèves » et les progrès des autres enfants</translation>
    </message>
    <message>
        <source>Today&apos;s &amp;Practice:</source>
        <translation>E&amp;ntraînement du jour :</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>How long this pupil&apos;s Today&apos;s Practice lasts</source>
        <translation>Durée de l&apos;entraînement du jour de cet élève</translation>
    </message>
    <message>
        <source>Today&apos;s Practice minutes</source>
        <translation>Minutes de l&apos;entraînement du jour</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;D&apos;abord</translation>
    </message>
    <message>
        <source>The main window offers Today&apos;s Practice before Start</source>
        <translation>La fenêtre principale propose l&apos;entraînement du jour avant Lancer</translation>
    </message>
    <message>
        <source>Today&apos;s Practice first</source>
        <translation>Entraînement du jour d&apos;abord</translation>
    </message>
    <message>
        <source>by time</source>
        <translation>selon le temps</translation>
    </message>
    <message>
        <source> problems</source>
        <translation> calculs</translation>
    </message>
    <message>
        <source>Or how many problems this pupil&apos;s Today&apos;s Practice has</source>
        <translation>Ou combien de calculs compte l&apos;entraînement du jour de cet élève</translation>
    </message>
    <message>
        <source>Today&apos;s Practice problems</source>
        <translation>Calculs de l&apos;entraînement du jour</translation>
    </message>
</context>
</TS>
