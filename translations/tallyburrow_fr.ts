<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerLimit</name>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Settings not read</source>
        <translation>Réglages non lus</translation>
    </message>
    <message>
        <source>Helpfile not found</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>Help is unavailable</source>
        <translation>L&apos;aide n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Tallyburrow (ver %1) - %2</source>
        <translation>Tallyburrow (version %1) - %2</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Percent correct</source>
        <translation>Pourcentage de réussite</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>There are no test results to show yet.</source>
        <translation>Il n&apos;y a pas encore de résultats de test à montrer.</translation>
    </message>
    <message>
        <source>%1: 1 test, %2 percent</source>
        <extracomment>the operation, then the percent correct of its one test</extracomment>
        <translation>%1&#xa0;: 1 test, %2 pour cent</translation>
    </message>
    <message>
        <source>Percent correct of each test over time.</source>
        <translation>Pourcentage de réussite de chaque test au fil du temps.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>one sentence of the chart&apos;s description</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>1 test without a date, drawn on the day of the test before.</source>
        <translation>1 test sans date, placé au jour du test précédent.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests without a date, drawn on the day of the test before.</source>
        <translation>
            <numerusform>%n test sans date, placé au jour du test précédent.</numerusform>
            <numerusform>%n tests sans date, placés au jour du test précédent.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 result of an unknown kind not drawn.</source>
        <translation>1 résultat d&apos;un type inconnu n&apos;est pas dessiné.</translation>
    </message>
    <message numerus="yes">
        <source>%n results of an unknown kind not drawn.</source>
        <translation>
            <numerusform>%n résultat d&apos;un type inconnu n&apos;est pas dessiné.</numerusform>
            <numerusform>%n résultats d&apos;un type inconnu ne sont pas dessinés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests, from %2 to %3 percent, latest %4</source>
        <extracomment>the operation, its number of tests, the lowest, the highest and the latest percent</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n test, de %2 à %3 pour cent, dernier&#xa0;: %4</numerusform>
            <numerusform>%1&#xa0;: %n tests, de %2 à %3 pour cent, dernier&#xa0;: %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Progress chart</source>
        <translation>Graphique des résultats</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Progress chart</source>
        <translation>Graphique des résultats</translation>
    </message>
    <message>
        <source>Progress Chart - %1</source>
        <translation>Graphique des résultats - %1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l&apos;image n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>%1-chart.png</source>
        <comment>the file name offered: the child&apos;s name</comment>
        <translation>%1-graphique.png</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Le graphique n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Enregistrer en P&amp;NG…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>ChildAnswers</name>
    <message>
        <source>it cannot be read</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>The answer log %1 cannot be read whole: %2</source>
        <translation>Le journal des réponses %1 ne peut pas être lu en entier&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ChildFile</name>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est introuvable</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ChildSession</name>
    <message>
        <source>Answers kept apart</source>
        <translation>Réponses gardées à part</translation>
    </message>
    <message>
        <source>Some answers of %1 from another computer could not be joined to the others yet:
%2

They are kept as they are and joined later.</source>
        <translation>Des réponses de %1 venant d&apos;un autre ordinateur n&apos;ont pas encore pu être ajoutées aux autres&#xa0;:
%2

Elles sont gardées telles quelles et seront ajoutées plus tard.</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Réponses non gardées</translation>
    </message>
    <message>
        <source>The answers of %1 cannot be kept in
%2
(%3)

You can practise, and test results are saved as always, but the fluency map will not show today&apos;s answers. The file is left as it is; ask a grown-up to look at it.</source>
        <translation>Les réponses de %1 ne peuvent pas être gardées dans
%2
(%3)

Tu peux t&apos;entraîner, et les résultats des tests sont enregistrés comme d&apos;habitude, mais la carte des automatismes ne montrera pas les réponses d&apos;aujourd&apos;hui. Le fichier n&apos;est pas modifié&#xa0;; demande à un adulte de le regarder.</translation>
    </message>
    <message>
        <source>Results not kept</source>
        <translation>Résultats non enregistrés</translation>
    </message>
    <message>
        <source>The results of %1 could not be written to the disk in
%2
(%3)

They are saved at quit if the disk allows it then.</source>
        <translation>Les résultats de %1 n&apos;ont pas pu être écrits sur le disque dans
%2
(%3)

Ils seront enregistrés en quittant, si le disque le permet à ce moment-là.</translation>
    </message>
    <message>
        <source>Results kept</source>
        <translation>Résultats conservés</translation>
    </message>
    <message>
        <source>%1 has more than %2 results now, the most a child&apos;s file holds.

Nothing is lost: the oldest results move to
%3
where the report and the chart still show them.</source>
        <translation>%1 a maintenant plus de %2 résultats, le maximum que peut contenir le fichier d&apos;un enfant.

Rien n&apos;est perdu&#xa0;: les résultats les plus anciens sont déplacés dans
%3
où la fenêtre «&#xa0;Résultats&#xa0;» et son graphique les montrent toujours.</translation>
    </message>
    <message>
        <source>Nothing can be saved</source>
        <translation>Rien ne peut être enregistré</translation>
    </message>
    <message>
        <source>Tallyburrow cannot save anything in the folder
%1
(%2)

You can practise, but no result will be kept. Ask a grown-up to check the folder.</source>
        <translation>Tallyburrow ne peut rien enregistrer dans le dossier
%1
(%2)

Tu peux t&apos;entraîner, mais aucun résultat ne sera gardé. Demande à un adulte de vérifier le dossier.</translation>
    </message>
    <message>
        <source>Quit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>%1

Replace it with the highest Test ID printed now, %2?</source>
        <translation>%1

Le remplacer par un fichier neuf contenant le plus grand numéro de test imprimé à ce jour (%2)&#xa0;?</translation>
    </message>
    <message>
        <source>The highest Test ID could not be saved in
%1
(%2)</source>
        <translation>Le plus grand numéro de test n&apos;a pas pu être enregistré dans
%1
(%2)</translation>
    </message>
    <message>
        <source>Data has changed... Save it before quiting?</source>
        <translation>Des données ont changé… Les enregistrer avant de quitter&#xa0;?</translation>
    </message>
    <message>
        <source>The results of %1 are kept in
%2

They are saved in %1&apos;s file the next time %1 opens Tallyburrow while the file can be written.</source>
        <translation>Les résultats de %1 sont gardés dans
%2

Ils seront enregistrés dans le fichier de %1 la prochaine fois que %1 ouvrira Tallyburrow, si le fichier peut alors être écrit.</translation>
    </message>
    <message>
        <source>Close to quit now (the results are kept and offered again when %1 next opens Tallyburrow)</source>
        <translation>«&#xa0;Fermer&#xa0;» pour quitter tout de suite (les résultats sont gardés et proposés à nouveau quand %1 ouvrira Tallyburrow)</translation>
    </message>
    <message>
        <source>Discard to quit without saving</source>
        <translation>«&#xa0;Ne pas tenir compte&#xa0;» pour quitter sans enregistrer</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved in
%2
(%3)

Retry to try again, %4, or Cancel to keep the program open.</source>
        <translation>Les résultats de %1 n&apos;ont pas pu être enregistrés dans
%2
(%3)

«&#xa0;Réessayer&#xa0;» pour essayer encore, %4, ou «&#xa0;Annuler&#xa0;» pour laisser le programme ouvert.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tallyburrow [options]</source>
        <translation>Utilisation&#xa0;: tallyburrow [options]</translation>
    </message>
    <message>
        <source>Arithmetic tables practice for children.</source>
        <translation>Entraînement aux tables de calcul pour les enfants.</translation>
    </message>
    <message>
        <source>Speak this language (de, es, fr or en) instead of the desktop&apos;s.</source>
        <translation>Parler cette langue (de, es, fr ou en) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Shows every child of a Tallyburrow data folder in one table: tests taken, first and last test date, the latest and best percent correct of each kind, and how many facts of each operation the child knows. Only reads the folder.</source>
        <translation>Affiche tous les enfants d&apos;un dossier de données Tallyburrow dans un seul tableau&#xa0;: les tests passés, la date du premier et du dernier test, le dernier et le meilleur pourcentage de réussite pour chaque sorte de calcul, et combien de calculs de chaque opération l&apos;enfant connaît. Ne fait que lire le dossier.</translation>
    </message>
    <message>
        <source>Read the child files of &lt;folder&gt; (default: %1).</source>
        <translation>Lire les fichiers des enfants dans &lt;dossier&gt; (par défaut&#xa0;: %1).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
</context>
<context>
    <name>ConfigureDialog</name>
    <message>
        <source>Configure Program</source>
        <translation>Options du programme</translation>
    </message>
    <message>
        <source>Add and Sub</source>
        <translation>Addition et soustraction</translation>
    </message>
    <message>
        <source>Number of problems per min:</source>
        <translation>Calculs par minute&#xa0;:</translation>
    </message>
    <message>
        <source>Number Range to work with:</source>
        <translation>Plage de nombres&#xa0;:</translation>
    </message>
    <message>
        <source>Add and Sub problems per minute</source>
        <translation>Calculs par minute en addition et soustraction</translation>
    </message>
    <message>
        <source>Add and Sub lowest number</source>
        <translation>Plus petit nombre en addition et soustraction</translation>
    </message>
    <message>
        <source>thru</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Add and Sub highest number</source>
        <translation>Plus grand nombre en addition et soustraction</translation>
    </message>
    <message>
        <source>Mult and Div</source>
        <translation>Multiplication et division</translation>
    </message>
    <message>
        <source>Mult and Div problems per minute</source>
        <translation>Calculs par minute en multiplication et division</translation>
    </message>
    <message>
        <source>Mult and Div lowest number</source>
        <translation>Plus petit nombre en multiplication et division</translation>
    </message>
    <message>
        <source>Mult and Div highest number</source>
        <translation>Plus grand nombre en multiplication et division</translation>
    </message>
    <message>
        <source>Answer time limit:</source>
        <translation>Temps pour répondre&#xa0;:</translation>
    </message>
    <message>
        <source>Answer time limit</source>
        <translation>Temps pour répondre</translation>
    </message>
    <message>
        <source>Data Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Dossier des données</translation>
    </message>
    <message>
        <source>Problems per minute must be a whole number from %1 to %2.</source>
        <translation>Le nombre de calculs par minute doit être un nombre entier de %1 à %2.</translation>
    </message>
    <message>
        <source>The numbers of a range must be whole numbers from %1 to %2.</source>
        <translation>Les nombres d&apos;une plage doivent être des nombres entiers de %1 à %2.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Plus grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>Taille du texte :</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
</context>
<context>
    <name>DialogControls</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>DrillOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Tout mélangé</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Mélange Add+Sous</translation>
    </message>
    <message>
        <source>Mix Mult+Div</source>
        <translation>Mélange Mult+Div</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Choisis une opération&#xa0;:</translation>
    </message>
    <message>
        <source>Flash cards - Timer(secs):</source>
        <translation>Cartes éclair - secondes&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds per flash card</source>
        <translation>Secondes par carte éclair</translation>
    </message>
    <message>
        <source>&amp;Practise the facts to learn</source>
        <translation>&amp;Travailler les calculs à apprendre</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Drill Math Tables</source>
        <translation>S&apos;entraîner aux tables</translation>
    </message>
    <message>
        <source>Practise the facts to learn</source>
        <translation>Travailler les calculs à apprendre</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>Practice Sheet - %1</source>
        <translation>Fiche d&apos;entraînement - %1</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Regarde</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Cover and write</source>
        <translation>Cache et écris</translation>
    </message>
    <message>
        <source>One-Minute Check - %1</source>
        <translation>Défi d&apos;une minute - %1</translation>
    </message>
    <message>
        <source>Answer Key - One-Minute Check - %1</source>
        <translation>Corrigé - Défi d&apos;une minute - %1</translation>
    </message>
    <message>
        <source>Name: ____________________   Date: ____________</source>
        <translation>Prénom&#xa0;: ____________________   Date&#xa0;: ____________</translation>
    </message>
    <message>
        <source>Practice Sheet</source>
        <translation>Fiche d&apos;entraînement</translation>
    </message>
    <message>
        <source>Look at the fact, copy it, then cover it and write it.</source>
        <translation>Regarde le calcul, copie-le, puis cache-le et écris-le.</translation>
    </message>
    <message>
        <source>One-Minute Check</source>
        <translation>Défi d&apos;une minute</translation>
    </message>
    <message>
        <source>Time: 1 minute</source>
        <translation>Temps&#xa0;: 1 minute</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>it is far larger than it can be</source>
        <translation>le fichier est beaucoup trop gros</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>le fichier est un lien vers un autre fichier</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>the disk is full or failing</source>
        <translation>le disque est plein ou défaillant</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Enter text: </source>
        <translation>Texte&#xa0;: </translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à chercher</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text to Find</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>Fluency</name>
    <message numerus="yes">
        <source>%1 of %n known</source>
        <extracomment>the known facts of all the facts of a grid</extracomment>
        <translation>
            <numerusform>%1 sur %n connu</numerusform>
            <numerusform>%1 sur %n connus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FluencyMap</name>
    <message>
        <source>%1 %2</source>
        <comment>a mark, then its meaning</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 moins %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 fois %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 divisé par %2</translation>
    </message>
    <message>
        <source>known</source>
        <translation>connu</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>pas essayé</translation>
    </message>
    <message>
        <source>%1: known, %2 seconds</source>
        <translation>%1&#xa0;: connu, %2 secondes</translation>
    </message>
    <message>
        <source>%1: slow, %2 seconds</source>
        <translation>%1&#xa0;: lent, %2 secondes</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <translation>%1&#xa0;: pas encore</translation>
    </message>
    <message>
        <source>%1: not tried</source>
        <translation>%1&#xa0;: pas essayé</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n known</source>
        <comment>the operation, then its known facts of all its facts</comment>
        <translation>
            <numerusform>%1&#xa0;: %2 sur %n connu</numerusform>
            <numerusform>%1&#xa0;: %2 sur %n connus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FluencyMapWindow</name>
    <message>
        <source>Fluency Map - %1</source>
        <translation>Carte des automatismes - %1</translation>
    </message>
    <message>
        <source>Known: right twice in a row, each time within %1 seconds.</source>
        <translation>Connu&#xa0;: juste deux fois de suite, chaque fois en moins de %1 secondes.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Practice &amp;sheet...</source>
        <translation>Fiche d&apos;&amp;entraînement…</translation>
    </message>
    <message>
        <source>&amp;One-minute check...</source>
        <translation>&amp;Défi d&apos;une minute…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Print Fluency Map</source>
        <translation>Imprimer la carte des automatismes</translation>
    </message>
    <message>
        <source>The fluency map could not be saved as %1.</source>
        <translation>La carte des automatismes n&apos;a pas pu être enregistrée sous %1.</translation>
    </message>
    <message>
        <source>The fluency map could not be printed.</source>
        <translation>La carte des automatismes n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>The child&apos;s number range holds no %1 facts.</source>
        <translation>La plage de nombres de l&apos;enfant ne contient aucun calcul «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Every %1 fact in the child&apos;s number range is known: there is nothing left to practise on paper.</source>
        <translation>Tous les calculs «&#xa0;%1&#xa0;» de la plage de nombres de l&apos;enfant sont connus&#xa0;: il ne reste rien à travailler sur papier.</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
</context>
<context>
    <name>GreetingDialog</name>
    <message>
        <source>Tallyburrow - Ver %1</source>
        <translation>Tallyburrow - version %1</translation>
    </message>
    <message>
        <source>%1 is selected</source>
        <translation>Sélection&#xa0;: %1</translation>
    </message>
    <message>
        <source>Greetings - Glad you&apos;re here</source>
        <translation>Bonjour&#xa0;! Content de te voir</translation>
    </message>
    <message>
        <source>Please give me your name...</source>
        <translation>Dis-moi ton prénom…</translation>
    </message>
    <message>
        <source>I am a new kid here, and my name is:</source>
        <translation>Je viens d&apos;arriver et je m&apos;appelle&#xa0;:</translation>
    </message>
    <message>
        <source>Click Ok and then one of the three mode buttons in the top toolbar... [Learn-Drill-Test]</source>
        <translation>Clique sur OK, puis sur l&apos;un des trois boutons en haut de la fenêtre… [Apprendre-S&apos;entraîner-Test]</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1
Please type your name again.</source>
        <translation>%1
Tape à nouveau ton prénom.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Help File</source>
        <translation>Fichier d&apos;aide</translation>
    </message>
    <message>
        <source>No help available</source>
        <translation>Aucune aide disponible</translation>
    </message>
    <message>
        <source>No help content</source>
        <translation>L&apos;aide est vide</translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>None found</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No more found</source>
        <translation>Plus d&apos;autre résultat</translation>
    </message>
    <message>
        <source>  Right click mouse (or F10) for menu options</source>
        <translation>  Clic droit (ou F10) pour ouvrir le menu</translation>
    </message>
    <message>
        <source>Help topics and text</source>
        <translation>Sujets et texte de l&apos;aide</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Sujets de l&apos;aide</translation>
    </message>
    <message>
        <source>Heading band</source>
        <translation>Bandeau de titre</translation>
    </message>
    <message>
        <source>Application Help</source>
        <translation>Aide du programme</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>État de l&apos;aide</translation>
    </message>
    <message>
        <source>Find text	CTRL+F</source>
        <translation>Rechercher	Ctrl+F</translation>
    </message>
    <message>
        <source>Next	F3</source>
        <translation>Suivant	F3</translation>
    </message>
    <message>
        <source>Prev	SHFT+F3</source>
        <translation>Précédent	Maj+F3</translation>
    </message>
    <message>
        <source>Find cancel	Escape</source>
        <translation>Arrêter la recherche	Échap</translation>
    </message>
    <message>
        <source>Expand topics</source>
        <translation>Déplier les sujets</translation>
    </message>
    <message>
        <source>Collapse topics</source>
        <translation>Replier les sujets</translation>
    </message>
    <message>
        <source>Print text	CTRL+P</source>
        <translation>Imprimer le texte	Ctrl+P</translation>
    </message>
    <message>
        <source>Print item	CTRL+P</source>
        <translation>Imprimer le sujet	Ctrl+P</translation>
    </message>
</context>
<context>
    <name>LearnOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Learn for this number:</source>
        <translation>Table à apprendre&#xa0;:</translation>
    </message>
    <message>
        <source>Learn for this number</source>
        <translation>Table à apprendre</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Choisis une opération&#xa0;:</translation>
    </message>
    <message>
        <source>Show all answers</source>
        <translation>Montrer toutes les réponses</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Learn Math Tables</source>
        <translation>Apprendre les tables</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Apprendre</translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;S&apos;entraîner</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Résultats</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Voir la réponse</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Happy face: well done</source>
        <translation>Visage souriant&#xa0;: bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Temps passé</translation>
    </message>
    <message>
        <source>Tallyburrow help</source>
        <translation>Aide de Tallyburrow</translation>
    </message>
</context>
<context>
    <name>MathTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Tout mélangé</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Mélange Add+Sous</translation>
    </message>
    <message>
        <source>Mix Mul+Div</source>
        <translation>Mélange Mult+Div</translation>
    </message>
    <message>
        <source>Amount of time (mins):</source>
        <translation>Durée (min)&#xa0;:</translation>
    </message>
    <message>
        <source>Amount of time in minutes</source>
        <translation>Durée en minutes</translation>
    </message>
    <message>
        <source>Choose one to test:</source>
        <translation>Choisis ton test&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Test de calcul</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>OperationKind</name>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Add/Sous</translation>
    </message>
    <message>
        <source>Mult/Div</source>
        <translation>Mult/Div</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>Tallyburrow class overview</source>
        <translation>Tallyburrow - vue d&apos;ensemble de la classe</translation>
    </message>
    <message>
        <source>Folder %1, printed %2</source>
        <extracomment>the data folder, then the day it was printed</extracomment>
        <translation>Dossier %1, imprimé le %2</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>%1 (damaged file)</source>
        <translation>%1 (fichier abîmé)</translation>
    </message>
</context>
<context>
    <name>OverviewRow</name>
    <message>
        <source>%1 known</source>
        <extracomment>A column of the class overview: how many facts of the operation the child knows.</extracomment>
        <translation>Connus (%1)</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Premier test</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Dernier test</translation>
    </message>
    <message>
        <source>%1 latest</source>
        <extracomment>A column of the class overview: the latest percent correct of the kind.</extracomment>
        <translation>Dernier (%1)</translation>
    </message>
    <message>
        <source>%1 best</source>
        <extracomment>A column of the class overview: the best percent correct of the kind.</extracomment>
        <translation>Meilleur (%1)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>The folder cannot be found or opened.</source>
        <translation>Le dossier est introuvable ou ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>This folder holds no child files.</source>
        <translation>Ce dossier ne contient aucun fichier d&apos;enfant.</translation>
    </message>
    <message>
        <source>1 child.</source>
        <translation>1 enfant.</translation>
    </message>
    <message>
        <source>1 child, 1 file could not be read whole.</source>
        <translation>1 enfant, 1 fichier n&apos;a pas pu être lu en entier.</translation>
    </message>
    <message numerus="yes">
        <source>%n children.</source>
        <translation>
            <numerusform>%n enfant.</numerusform>
            <numerusform>%n enfants.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children, 1 file could not be read whole.</source>
        <translation>
            <numerusform>%n enfant, 1 fichier n&apos;a pas pu être lu en entier.</numerusform>
            <numerusform>%n enfants, 1 fichier n&apos;a pas pu être lu en entier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 children, %n files could not be read whole.</source>
        <extracomment>%1 is the number of children, more than the files</extracomment>
        <translation>
            <numerusform>%1 enfants, %n fichier n&apos;a pas pu être lu en entier.</numerusform>
            <numerusform>%1 enfants, %n fichiers n&apos;ont pas pu être lus en entier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Children whose answers could not be read whole (&quot;?&quot;): %n.</source>
        <translation>
            <numerusform>Enfants dont les réponses n&apos;ont pas pu être lues en entier («&#xa0;?&#xa0;»)&#xa0;: %n.</numerusform>
            <numerusform>Enfants dont les réponses n&apos;ont pas pu être lues en entier («&#xa0;?&#xa0;»)&#xa0;: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>%1 Counting the facts each child knows...</source>
        <translation>%1 Comptage des calculs que chaque enfant connaît…</translation>
    </message>
    <message>
        <source>The map shows only the answers that could be read.
%1</source>
        <translation>La carte ne montre que les réponses qui ont pu être lues.
%1</translation>
    </message>
    <message>
        <source>Tallyburrow class overview</source>
        <translation>Tallyburrow - vue d&apos;ensemble de la classe</translation>
    </message>
    <message>
        <source>Children in %1</source>
        <translation>Enfants du dossier %1</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>Le tableau n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>Le tableau n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file of %1 cannot be read: %2.</source>
        <translation>Le fichier de %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Fluency &amp;map</source>
        <translation>&amp;Carte des automatismes</translation>
    </message>
    <message>
        <source>Open &amp;Chart</source>
        <translation>Ouvrir le &amp;graphique</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>PendingPdf</name>
    <message>
        <source>the PDF could not be written whole; the disk may be full, or the printer failed</source>
        <translation>le PDF n&apos;a pas pu être écrit en entier&#xa0;; le disque est peut-être plein, ou l&apos;imprimante a échoué</translation>
    </message>
</context>
<context>
    <name>PracticeText</name>
    <message>
        <source>Learning for number%1  (%2)</source>
        <extracomment>%1 is the number with a space before it when not negative, %2 the operation</extracomment>
        <translation>Apprendre la table de%1  (%2)</translation>
    </message>
    <message>
        <source>Drill Mode - %1</source>
        <translation>Entraînement - %1</translation>
    </message>
    <message>
        <source>  (%1 correct out of%2)</source>
        <extracomment>%2 has a space before it when not negative</extracomment>
        <translation>  (bonnes réponses&#xa0;: %1 sur%2)</translation>
    </message>
    <message>
        <source>Test Mode - %1  (%2 correct out of%3)</source>
        <extracomment>%1 the operation; %3 has a space before it when not negative</extracomment>
        <translation>Test - %1  (bonnes réponses&#xa0;: %2 sur%3)</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <extracomment>%1 has a space before it when not negative</extracomment>
        <translation>La bonne réponse est&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 ? %2 equals</source>
        <translation>%1 ? %2 égale</translation>
    </message>
    <message>
        <source>%1 plus %2 equals</source>
        <translation>%1 plus %2 égale</translation>
    </message>
    <message>
        <source>%1 minus %2 equals</source>
        <translation>%1 moins %2 égale</translation>
    </message>
    <message>
        <source>%1 times %2 equals</source>
        <translation>%1 fois %2 égale</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals</source>
        <translation>%1 divisé par %2 égale</translation>
    </message>
    <message>
        <source>%1 ? %2 equals %3</source>
        <translation>%1 ? %2 égale %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 égale %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 moins %2 égale %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 fois %2 égale %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 divisé par %2 égale %3</translation>
    </message>
    <message>
        <source>Test over: %1 correct out of %2</source>
        <translation>Test terminé&#xa0;! Bonnes réponses&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Facts to learn - %1</source>
        <translation>Calculs à apprendre - %1</translation>
    </message>
    <message>
        <source>Not quite: the answer is %1</source>
        <translation>Pas tout à fait&#xa0;: la réponse est %1</translation>
    </message>
    <message>
        <source>You know all these facts - well done!</source>
        <translation>Tu connais tous ces calculs, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Well done! Keep practising and you will know them all.</source>
        <translation>Bravo&#xa0;! Continue à t&apos;entraîner et tu les connaîtras tous.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of facts goes on: the list so far, then the next fact</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You learned %1 today!</source>
        <extracomment>%1 is the list of facts learned, &quot;7 x 8 and 6 x 7&quot;</extracomment>
        <translation>Aujourd&apos;hui, tu as appris %1&#xa0;!</translation>
    </message>
    <message>
        <source>Enter --&gt; Begin</source>
        <translation>Entrée --&gt; Commencer</translation>
    </message>
    <message>
        <source>Enter --&gt; Next</source>
        <translation>Entrée --&gt; Suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Space --&gt; Answer</source>
        <translation>Espace --&gt; Réponse</translation>
    </message>
    <message>
        <source>Correct answer - very good...</source>
        <translation>Bonne réponse, très bien…</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>*** WRONG ANSWER ***</source>
        <translation>*** MAUVAISE RÉPONSE ***</translation>
    </message>
    <message>
        <source>Time&apos;s up</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Right! Next time faster.</source>
        <translation>Juste&#xa0;! La prochaine fois, plus vite.</translation>
    </message>
    <message>
        <source>Type the number you see</source>
        <translation>Tape le nombre que tu vois</translation>
    </message>
    <message>
        <source>All typed - thank you!</source>
        <translation>Tout est tapé, merci&#xa0;!</translation>
    </message>
    <message>
        <source>Typing check</source>
        <translation>Essai du clavier</translation>
    </message>
    <message>
        <source>%1 correct out of %2</source>
        <translation>%1 bonnes réponses sur %2</translation>
    </message>
    <message>
        <source>Learning for number %1, %2</source>
        <translation>Apprendre avec le nombre %1, %2</translation>
    </message>
    <message>
        <source>Test Mode - %1, %2 correct out of %3</source>
        <translation>Test - %1, %2 bonnes réponses sur %3</translation>
    </message>
</context>
<context>
    <name>PrintTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Add/Sous</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mult/Div</translation>
    </message>
    <message>
        <source>Test ID</source>
        <translation>N° du test</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Nombre d&apos;exemplaires</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Type de calculs</translation>
    </message>
    <message>
        <source>Answers to last page printed</source>
        <translation>Imprimer le corrigé en dernière page</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Print Test Pages</source>
        <translation>Imprimer un test</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a problem type.
Choose one from the list.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un type de calculs.
Il faut en choisir un dans la liste.</translation>
    </message>
</context>
<context>
    <name>PrintWhole</name>
    <message>
        <source>the printer reported an error</source>
        <translation>l&apos;imprimante a signalé une erreur</translation>
    </message>
</context>
<context>
    <name>ProblemCount</name>
    <message>
        <source>Number of problems =%1</source>
        <extracomment>%1 is the count with a blank before it (&quot; 120&quot;)</extracomment>
        <translation>Nombre de calculs&#xa0;:%1</translation>
    </message>
</context>
<context>
    <name>ProgressReportWindow</name>
    <message>
        <source>Score history</source>
        <translation>Historique des résultats</translation>
    </message>
    <message>
        <source>Percent correct</source>
        <translation>Réussite en %</translation>
    </message>
    <message>
        <source>Correct / Total</source>
        <translation>Justes / Total</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Fluency map</source>
        <translation>&amp;Automatismes</translation>
    </message>
    <message>
        <source>Report Progress</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Score history: no results yet</source>
        <translation>Historique des résultats&#xa0;: aucun résultat pour l&apos;instant</translation>
    </message>
    <message>
        <source>Score history: 1 result. %1</source>
        <extracomment>%1 is the first result&apos;s row, &quot;03-15-2006, Add 71.43&quot;</extracomment>
        <translation>Historique des résultats&#xa0;: 1 résultat. %1</translation>
    </message>
    <message numerus="yes">
        <source>Score history: %n results. %1</source>
        <translation>
            <numerusform>Historique des résultats&#xa0;: %n résultat. %1</numerusform>
            <numerusform>Historique des résultats&#xa0;: %n résultats. %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPrintDevice</name>
    <message>
        <source>The PDF could not be saved as %1.
(%2)</source>
        <translation>Le PDF n&apos;a pas pu être enregistré sous %1.
(%2)</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Erreur d&apos;impression</translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Add </source>
        <translation>Add </translation>
    </message>
    <message>
        <source>Sub </source>
        <translation>Sous</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mult</translation>
    </message>
    <message>
        <source>Div </source>
        <translation>Div </translation>
    </message>
    <message>
        <source>Mix </source>
        <translation>Mél </translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Add/Sous</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mul/Div</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s heading, then its result</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ResultArchive</name>
    <message>
        <source>it is not a Tallyburrow archive</source>
        <translation>ce n&apos;est pas une archive Tallyburrow</translation>
    </message>
    <message>
        <source>the archive %1 cannot be read: %2</source>
        <translation>l&apos;archive %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Test%1 Results</source>
        <extracomment>%1 is the number of tests with a blank before it (&quot; 4&quot;)</extracomment>
        <translation>Résultats du test%1</translation>
    </message>
    <message>
        <source>Percent correct = %1
%2 Correct out of%3</source>
        <extracomment>%2 and %3 are counts with a blank before each (&quot; 17&quot;, &quot; 20&quot;)</extracomment>
        <translation>Réussite&#xa0;: %1&#xa0;%
%2 bonnes réponses sur%3</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Problems with wrong answers:</source>
        <translation>Calculs à revoir&#xa0;:</translation>
    </message>
    <message>
        <source>Problems with wrong answers</source>
        <translation>Calculs à revoir</translation>
    </message>
    <message>
        <source>Ans:</source>
        <translation>Rép.&#xa0;:</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 sans réponse</translation>
    </message>
    <message>
        <source>First: %1, correct answer %2</source>
        <translation>Premier calcul&#xa0;: %1, bonne réponse&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SaveScoreDialog</name>
    <message>
        <source>Save Test Score</source>
        <translation>Enregistrer un résultat de test</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Date du test</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Type de calculs</translation>
    </message>
    <message>
        <source>Number correct</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Number of problems</source>
        <translation>Nombre de calculs</translation>
    </message>
    <message>
        <source>Correct out of:</source>
        <translation>justes sur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>The number of problems must be a whole number from 0 to %1.</source>
        <translation>Le nombre de calculs doit être un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>The number correct must be a whole number from 0 to %1.</source>
        <translation>Le nombre de bonnes réponses doit être un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Add/Sous</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mult/Div</translation>
    </message>
</context>
<context>
    <name>ScreenReaderNotice</name>
    <message>
        <source>none</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>it is damaged</source>
        <translation>le fichier est abîmé</translation>
    </message>
    <message>
        <source>Results of %1 that were not saved lie in
%2
but cannot be read (%3). The file is left as it is.</source>
        <translation>Des résultats de %1 qui n&apos;ont pas été enregistrés se trouvent dans
%2
mais ne peuvent pas être lus (%3). Le fichier n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>%1 test result(s)</source>
        <translation>%1 résultat(s) de test</translation>
    </message>
    <message>
        <source>the number ranges or problems per minute from Config</source>
        <translation>les plages de nombres ou les calculs par minute (Options)</translation>
    </message>
    <message>
        <source>the last Learn choice</source>
        <translation>le dernier choix dans «&#xa0;Apprendre&#xa0;»</translation>
    </message>
    <message>
        <source>Tallyburrow was closed before these results of %1 were saved:

%2

They are from the session that began on %3 at %4 on the computer %5.
Keep them in %1&apos;s file?</source>
        <translation>Tallyburrow a été fermé avant l&apos;enregistrement de ces résultats de %1&#xa0;:

%2

Ils viennent de la séance commencée le %3 à %4 sur l&apos;ordinateur %5.
Les garder dans le fichier de %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it does not hold a Test ID number the program can use</source>
        <translation>il ne contient aucun numéro de test utilisable</translation>
    </message>
    <message>
        <source>The settings file
%1
cannot be read (%2).

It holds the highest Test ID printed so far, so new test pages may repeat an earlier Test ID. The file is left as it is.</source>
        <translation>Le fichier de réglages
%1
ne peut pas être lu (%2).

Il garde le plus grand numéro de test imprimé jusqu&apos;ici&#xa0;: les nouvelles pages de test risquent donc de reprendre un numéro déjà utilisé. Le fichier n&apos;est pas modifié.</translation>
    </message>
</context>
<context>
    <name>SpokenPractice</name>
    <message>
        <source>Press Enter to begin</source>
        <translation>Appuie sur Entrée pour commencer</translation>
    </message>
    <message>
        <source>Press Enter to stop</source>
        <translation>Appuie sur Entrée pour arrêter</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Temps écoulé&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>encore 1 minute</translation>
    </message>
    <message>
        <source>%1 minutes left</source>
        <translation>encore %1 minutes</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>not a Tallyburrow child file</source>
        <translation>pas un fichier d&apos;enfant Tallyburrow</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>le fichier est incomplet</translation>
    </message>
    <message>
        <source>the file is cut short: %1 of %2 results could be read</source>
        <translation>le fichier est incomplet&#xa0;: %1 résultats sur %2 ont pu être lus</translation>
    </message>
    <message>
        <source>its first bytes are not those of a Tallyburrow child file; %1 results behind them could be read</source>
        <translation>son début n&apos;est pas celui d&apos;un fichier d&apos;enfant Tallyburrow&#xa0;; %1 résultats ont pu être lus à la suite</translation>
    </message>
    <message>
        <source>it is not a Tallyburrow child file</source>
        <translation>ce n&apos;est pas un fichier d&apos;enfant Tallyburrow</translation>
    </message>
</context>
<context>
    <name>StudentName</name>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Un prénom ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A name cannot contain any of these characters: / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Un prénom ne peut contenir aucun de ces caractères&#xa0;: / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name is too long. Please type a shorter name.</source>
        <translation>Ce prénom est trop long. Écris un prénom plus court.</translation>
    </message>
    <message>
        <source>A name cannot end with a blank.</source>
        <translation>Un prénom ne peut pas finir par un espace.</translation>
    </message>
    <message>
        <source>This name is reserved by the computer. Please choose another name.</source>
        <translation>Ce prénom est réservé par l&apos;ordinateur. Choisis-en un autre.</translation>
    </message>
</context>
<context>
    <name>StudentOpening</name>
    <message>
        <source>Take over</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Choose another name</source>
        <translation>Choisir un autre prénom</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Résultats non enregistrés</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The results are kept, but could not be saved in
%1
(%2)

They are saved at quit, or offered again next time.</source>
        <translation>Les résultats sont gardés, mais n&apos;ont pas pu être enregistrés dans
%1
(%2)

Ils seront enregistrés en quittant, ou proposés à nouveau la prochaine fois.</translation>
    </message>
    <message>
        <source>The other copy&apos;s lock could not be taken over: the results are kept and saved once it has closed.</source>
        <translation>Le verrou de l&apos;autre exemplaire n&apos;a pas pu être repris&#xa0;: les résultats sont gardés et seront enregistrés dès qu&apos;il sera fermé.</translation>
    </message>
</context>
<context>
    <name>StudentSession</name>
    <message>
        <source>the file could not be read when it was opened</source>
        <translation>le fichier n&apos;a pas pu être lu à l&apos;ouverture</translation>
    </message>
    <message>
        <source>it is open in another copy of Tallyburrow</source>
        <translation>le fichier est ouvert dans un autre exemplaire de Tallyburrow</translation>
    </message>
    <message>
        <source>Results are damaged</source>
        <translation>Résultats abîmés</translation>
    </message>
    <message>
        <source>Results cannot be opened</source>
        <translation>Impossible d&apos;ouvrir les résultats</translation>
    </message>
    <message>
        <source>Go on without saving</source>
        <translation>Continuer sans enregistrer</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <translation>le fichier de verrou %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Already open</source>
        <translation>Déjà ouvert</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Ouvrir en lecture seule</translation>
    </message>
    <message>
        <source>The results of %1 cannot be opened:
%2
(%3)

The file is left as it is. You can go on without saving in it (today&apos;s results are kept beside it, and added once it can be read), or choose another name.</source>
        <translation>Les résultats de %1 ne peuvent pas être ouverts&#xa0;:
%2
(%3)

Le fichier n&apos;est pas modifié. Vous pouvez continuer sans y enregistrer (les résultats d&apos;aujourd&apos;hui sont gardés à côté, et ajoutés dès qu&apos;il pourra être lu), ou choisir un autre prénom.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow.</source>
        <translation>Le fichier de %1 est déjà ouvert dans un autre exemplaire de Tallyburrow.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2.</source>
        <translation>Le fichier de %1 est déjà ouvert dans un autre exemplaire de Tallyburrow, sur l&apos;ordinateur %2.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow since %2 at %3.</source>
        <translation>Le fichier de %1 est ouvert dans un autre exemplaire de Tallyburrow depuis le %2 à %3.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2 since %3 at %4.</source>
        <translation>Le fichier de %1 est ouvert dans un autre exemplaire de Tallyburrow, sur l&apos;ordinateur %2, depuis le %3 à %4.</translation>
    </message>
    <message>
        <source>%1
(The lock file is %2.)

You can open it read-only (results are kept and saved once the other copy has closed), or choose another name.</source>
        <translation>%1
(Le fichier de verrou est %2.)

Vous pouvez l&apos;ouvrir en lecture seule (les résultats sont gardés et enregistrés dès que l&apos;autre exemplaire est fermé), ou choisir un autre prénom.</translation>
    </message>
    <message>
        <source>If no copy of Tallyburrow has %1 open any more (the other computer was switched off, say), you can take it over.</source>
        <translation>Si plus aucun exemplaire de Tallyburrow n&apos;a le fichier de %1 ouvert (l&apos;autre ordinateur a été éteint, par exemple), vous pouvez le reprendre&#xa0;: choisissez «&#xa0;Reprendre&#xa0;».</translation>
    </message>
</context>
<context>
    <name>TestOptionsDialog</name>
    <message>
        <source>Take test on computer</source>
        <translation>Test à l&apos;écran</translation>
    </message>
    <message>
        <source>Print test pages</source>
        <translation>Imprimer un test</translation>
    </message>
    <message>
        <source>Report printed test</source>
        <translation>Saisir un test papier</translation>
    </message>
    <message>
        <source>Test Options</source>
        <translation>Options du test</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Test No.%1 - %2</source>
        <extracomment>%1 is the test&apos;s number with a space before it when not negative, %2 the problem type</extracomment>
        <translation>Test n°%1 - %2</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Test de calcul</translation>
    </message>
</context>
<context>
    <name>cTPrint</name>
    <message>
        <source>Document printing error</source>
        <translation>Erreur d&apos;impression du document</translation>
    </message>
    <message>
        <source>Page printing error</source>
        <translation>Erreur d&apos;impression de la page</translation>
    </message>
    <message>
        <source>Unspecified printer error</source>
        <translation>Erreur d&apos;imprimante inconnue</translation>
    </message>
</context>
</TS>
