<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerLimit</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Settings not read</source>
        <translation>No se pudo leer la configuración</translation>
    </message>
    <message>
        <source>Helpfile not found</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>Help is unavailable</source>
        <translation>La ayuda no está disponible.</translation>
    </message>
    <message>
        <source>Tallyburrow (ver %1) - %2</source>
        <translation>Tallyburrow (versión %1) - %2</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Percent correct</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>There are no test results to show yet.</source>
        <translation>Todavía no hay resultados de exámenes que mostrar.</translation>
    </message>
    <message>
        <source>%1: 1 test, %2 percent</source>
        <extracomment>the operation, then the percent correct of its one test</extracomment>
        <translation>%1: 1 examen, %2 por ciento</translation>
    </message>
    <message>
        <source>Percent correct of each test over time.</source>
        <translation>Porcentaje de aciertos de cada examen a lo largo del tiempo.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>one sentence of the chart&apos;s description</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>1 test without a date, drawn on the day of the test before.</source>
        <translation>1 examen sin fecha, dibujado en el día del examen anterior.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests without a date, drawn on the day of the test before.</source>
        <translation>
            <numerusform>%n examen sin fecha, dibujado en el día del examen anterior.</numerusform>
            <numerusform>%n exámenes sin fecha, dibujados en el día del examen anterior.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 result of an unknown kind not drawn.</source>
        <translation>No se ha dibujado 1 resultado de tipo desconocido.</translation>
    </message>
    <message numerus="yes">
        <source>%n results of an unknown kind not drawn.</source>
        <translation>
            <numerusform>No se ha dibujado %n resultado de tipo desconocido.</numerusform>
            <numerusform>No se han dibujado %n resultados de tipo desconocido.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests, from %2 to %3 percent, latest %4</source>
        <extracomment>the operation, its number of tests, the lowest, the highest and the latest percent</extracomment>
        <translation>
            <numerusform>%1: %n examen, del %2 al %3 por ciento, el último %4</numerusform>
            <numerusform>%1: %n exámenes, del %2 al %3 por ciento, el último %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Progress chart</source>
        <translation>Gráfico de progreso</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Progress chart</source>
        <translation>Gráfico de progreso</translation>
    </message>
    <message>
        <source>Progress Chart - %1</source>
        <translation>Gráfico de progreso - %1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>%1-chart.png</source>
        <comment>the file name offered: the child&apos;s name</comment>
        <translation>%1-grafico.png</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Guardar el gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir el gráfico</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>No se pudo imprimir el gráfico.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Guardar como P&amp;NG...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ChildAnswers</name>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The answer log %1 cannot be read whole: %2</source>
        <translation>El registro de respuestas %1 no se puede leer entero: %2</translation>
    </message>
</context>
<context>
    <name>ChildFile</name>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ChildSession</name>
    <message>
        <source>Answers kept apart</source>
        <translation>Respuestas guardadas aparte</translation>
    </message>
    <message>
        <source>Some answers of %1 from another computer could not be joined to the others yet:
%2

They are kept as they are and joined later.</source>
        <translation>Algunas respuestas de %1 hechas en otro ordenador todavía no se han podido juntar con las demás:
%2

Se guardan tal como están y se juntarán más adelante.</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Respuestas no guardadas</translation>
    </message>
    <message>
        <source>The answers of %1 cannot be kept in
%2
(%3)

You can practise, and test results are saved as always, but the fluency map will not show today&apos;s answers. The file is left as it is; ask a grown-up to look at it.</source>
        <translation>Las respuestas de %1 no se pueden guardar en
%2
(%3)

Puedes practicar, y los resultados de los exámenes se guardan como siempre, pero el mapa de fluidez no mostrará las respuestas de hoy. El archivo se deja como está; pide a un adulto que lo revise.</translation>
    </message>
    <message>
        <source>Results not kept</source>
        <translation>Resultados no guardados</translation>
    </message>
    <message>
        <source>The results of %1 could not be written to the disk in
%2
(%3)

They are saved at quit if the disk allows it then.</source>
        <translation>Los resultados de %1 no se pudieron escribir en el disco en
%2
(%3)

Se guardarán al salir, si el disco lo permite entonces.</translation>
    </message>
    <message>
        <source>Results kept</source>
        <translation>Resultados guardados</translation>
    </message>
    <message>
        <source>%1 has more than %2 results now, the most a child&apos;s file holds.

Nothing is lost: the oldest results move to
%3
where the report and the chart still show them.</source>
        <translation>%1 ya tiene más de %2 resultados, el máximo que cabe en el archivo de un alumno.

No se pierde nada: los resultados más antiguos pasan a
%3
donde el informe y el gráfico los siguen mostrando.</translation>
    </message>
    <message>
        <source>Nothing can be saved</source>
        <translation>No se puede guardar nada</translation>
    </message>
    <message>
        <source>Tallyburrow cannot save anything in the folder
%1
(%2)

You can practise, but no result will be kept. Ask a grown-up to check the folder.</source>
        <translation>Tallyburrow no puede guardar nada en la carpeta
%1
(%2)

Puedes practicar, pero no se guardará ningún resultado. Pide a un adulto que revise la carpeta.</translation>
    </message>
    <message>
        <source>Quit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>%1

Replace it with the highest Test ID printed now, %2?</source>
        <translation>%1

¿Desea sustituirlo por el ID de examen más alto impreso ahora, %2?</translation>
    </message>
    <message>
        <source>The highest Test ID could not be saved in
%1
(%2)</source>
        <translation>No se pudo guardar el ID de examen más alto en
%1
(%2)</translation>
    </message>
    <message>
        <source>Data has changed... Save it before quiting?</source>
        <translation>Hay datos nuevos... ¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>The results of %1 are kept in
%2

They are saved in %1&apos;s file the next time %1 opens Tallyburrow while the file can be written.</source>
        <translation>Los resultados de %1 se conservan en
%2

Se guardarán en el archivo de %1 la próxima vez que %1 abra Tallyburrow, si entonces se puede escribir en el archivo.</translation>
    </message>
    <message>
        <source>Close to quit now (the results are kept and offered again when %1 next opens Tallyburrow)</source>
        <translation>Cerrar para salir ya (los resultados se conservan y se ofrecerán de nuevo cuando %1 vuelva a abrir Tallyburrow)</translation>
    </message>
    <message>
        <source>Discard to quit without saving</source>
        <translation>Descartar para salir sin guardar</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved in
%2
(%3)

Retry to try again, %4, or Cancel to keep the program open.</source>
        <translation>Los resultados de %1 no se pudieron guardar en
%2
(%3)

Elige Reintentar para volver a probar, %4 o Cancelar para dejar el programa abierto.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tallyburrow [options]</source>
        <translation>Uso: tallyburrow [opciones]</translation>
    </message>
    <message>
        <source>Arithmetic tables practice for children.</source>
        <translation>Práctica de las tablas para niños.</translation>
    </message>
    <message>
        <source>Speak this language (de, es, fr or en) instead of the desktop&apos;s.</source>
        <translation>Usar este idioma (de, es, fr o en) en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Shows every child of a Tallyburrow data folder in one table: tests taken, first and last test date, the latest and best percent correct of each kind, and how many facts of each operation the child knows. Only reads the folder.</source>
        <translation>Muestra a todos los alumnos de una carpeta de datos de Tallyburrow en una sola tabla: los exámenes hechos, la fecha del primero y del último, el último y el mejor porcentaje de aciertos de cada tipo, y cuántas operaciones de cada clase se sabe el alumno. Solo lee la carpeta.</translation>
    </message>
    <message>
        <source>Read the child files of &lt;folder&gt; (default: %1).</source>
        <translation>Leer los archivos de los alumnos de &lt;carpeta&gt; (por defecto: %1).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
</context>
<context>
    <name>ConfigureDialog</name>
    <message>
        <source>Configure Program</source>
        <translation>Configurar el programa</translation>
    </message>
    <message>
        <source>Add and Sub</source>
        <translation>Suma y resta</translation>
    </message>
    <message>
        <source>Number of problems per min:</source>
        <translation>Ejercicios por minuto:</translation>
    </message>
    <message>
        <source>Number Range to work with:</source>
        <translation>Rango de números:</translation>
    </message>
    <message>
        <source>Add and Sub problems per minute</source>
        <translation>Ejercicios de suma y resta por minuto</translation>
    </message>
    <message>
        <source>Add and Sub lowest number</source>
        <translation>Número más bajo de suma y resta</translation>
    </message>
    <message>
        <source>thru</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Add and Sub highest number</source>
        <translation>Número más alto de suma y resta</translation>
    </message>
    <message>
        <source>Mult and Div</source>
        <translation>Multiplicación y división</translation>
    </message>
    <message>
        <source>Mult and Div problems per minute</source>
        <translation>Ejercicios de multiplicación y división por minuto</translation>
    </message>
    <message>
        <source>Mult and Div lowest number</source>
        <translation>Número más bajo de multiplicación y división</translation>
    </message>
    <message>
        <source>Mult and Div highest number</source>
        <translation>Número más alto de multiplicación y división</translation>
    </message>
    <message>
        <source>Answer time limit:</source>
        <translation>Tiempo para responder:</translation>
    </message>
    <message>
        <source>Answer time limit</source>
        <translation>Tiempo para responder</translation>
    </message>
    <message>
        <source>Data Folder:</source>
        <translation>Carpeta de datos:</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>Problems per minute must be a whole number from %1 to %2.</source>
        <translation>Los ejercicios por minuto deben ser un número entero de %1 a %2.</translation>
    </message>
    <message>
        <source>The numbers of a range must be whole numbers from %1 to %2.</source>
        <translation>Los números de un rango deben ser enteros de %1 a %2.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>Tamaño del texto:</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
</context>
<context>
    <name>DialogControls</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>DrillOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Todo mezclado</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Mezcla Suma+Resta</translation>
    </message>
    <message>
        <source>Mix Mult+Div</source>
        <translation>Mezcla Mult+Div</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Elige una operación:</translation>
    </message>
    <message>
        <source>Flash cards - Timer(secs):</source>
        <translation>Tarjetas - segundos:</translation>
    </message>
    <message>
        <source>Seconds per flash card</source>
        <translation>Segundos por tarjeta</translation>
    </message>
    <message>
        <source>&amp;Practise the facts to learn</source>
        <translation>&amp;Practicar las operaciones por aprender</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Drill Math Tables</source>
        <translation>Practicar las tablas</translation>
    </message>
    <message>
        <source>Practise the facts to learn</source>
        <translation>Practicar las operaciones por aprender</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>Practice Sheet - %1</source>
        <translation>Hoja de práctica - %1</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Mira</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cover and write</source>
        <translation>Tapa y escribe</translation>
    </message>
    <message>
        <source>One-Minute Check - %1</source>
        <translation>Prueba de un minuto - %1</translation>
    </message>
    <message>
        <source>Answer Key - One-Minute Check - %1</source>
        <translation>Soluciones - Prueba de un minuto - %1</translation>
    </message>
    <message>
        <source>Name: ____________________   Date: ____________</source>
        <translation>Nombre: ____________________   Fecha: ____________</translation>
    </message>
    <message>
        <source>Practice Sheet</source>
        <translation>Hoja de práctica</translation>
    </message>
    <message>
        <source>Look at the fact, copy it, then cover it and write it.</source>
        <translation>Mira la operación, cópiala, luego tápala y escríbela.</translation>
    </message>
    <message>
        <source>One-Minute Check</source>
        <translation>Prueba de un minuto</translation>
    </message>
    <message>
        <source>Time: 1 minute</source>
        <translation>Tiempo: 1 minuto</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>it is far larger than it can be</source>
        <translation>es mucho más grande de lo que puede ser</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>es un enlace a otro archivo</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>the disk is full or failing</source>
        <translation>el disco está lleno o falla</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Enter text: </source>
        <translation>Texto: </translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texto que buscar</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Palabra entera</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Text to Find</source>
        <translation>Buscar texto</translation>
    </message>
</context>
<context>
    <name>Fluency</name>
    <message numerus="yes">
        <source>%1 of %n known</source>
        <extracomment>the known facts of all the facts of a grid</extracomment>
        <translation>
            <numerusform>%1 de %n sabida</numerusform>
            <numerusform>%1 de %n sabidas</numerusform>
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
        <translation>%1 más %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 menos %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 entre %2</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sabida</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>todavía no</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>sin intentar</translation>
    </message>
    <message>
        <source>%1: known, %2 seconds</source>
        <translation>%1: sabida, %2 segundos</translation>
    </message>
    <message>
        <source>%1: slow, %2 seconds</source>
        <translation>%1: lenta, %2 segundos</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <translation>%1: todavía no</translation>
    </message>
    <message>
        <source>%1: not tried</source>
        <translation>%1: sin intentar</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n known</source>
        <comment>the operation, then its known facts of all its facts</comment>
        <translation>
            <numerusform>%1: %2 de %n sabida</numerusform>
            <numerusform>%1: %2 de %n sabidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FluencyMapWindow</name>
    <message>
        <source>Fluency Map - %1</source>
        <translation>Mapa de fluidez - %1</translation>
    </message>
    <message>
        <source>Known: right twice in a row, each time within %1 seconds.</source>
        <translation>Sabida: bien dos veces seguidas, cada vez en %1 segundos o menos.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Practice &amp;sheet...</source>
        <translation>&amp;Hoja de práctica...</translation>
    </message>
    <message>
        <source>&amp;One-minute check...</source>
        <translation>&amp;Prueba de un minuto...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Print Fluency Map</source>
        <translation>Imprimir el mapa de fluidez</translation>
    </message>
    <message>
        <source>The fluency map could not be saved as %1.</source>
        <translation>No se pudo guardar el mapa de fluidez como %1.</translation>
    </message>
    <message>
        <source>The fluency map could not be printed.</source>
        <translation>No se pudo imprimir el mapa de fluidez.</translation>
    </message>
    <message>
        <source>The child&apos;s number range holds no %1 facts.</source>
        <translation>En el rango de números del alumno no hay operaciones de %1.</translation>
    </message>
    <message>
        <source>Every %1 fact in the child&apos;s number range is known: there is nothing left to practise on paper.</source>
        <translation>El alumno ya se sabe todas las operaciones de %1 de su rango de números: no queda nada que practicar en papel.</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
</context>
<context>
    <name>GreetingDialog</name>
    <message>
        <source>Tallyburrow - Ver %1</source>
        <translation>Tallyburrow - Versión %1</translation>
    </message>
    <message>
        <source>%1 is selected</source>
        <translation>Nombre elegido: %1</translation>
    </message>
    <message>
        <source>Greetings - Glad you&apos;re here</source>
        <translation>¡Hola! ¡Qué bien que estés aquí!</translation>
    </message>
    <message>
        <source>Please give me your name...</source>
        <translation>Dime tu nombre, por favor...</translation>
    </message>
    <message>
        <source>I am a new kid here, and my name is:</source>
        <translation>Es mi primera vez y me llamo:</translation>
    </message>
    <message>
        <source>Click Ok and then one of the three mode buttons in the top toolbar... [Learn-Drill-Test]</source>
        <translation>Pulsa Aceptar y luego uno de los tres botones de arriba... [Aprender-Practicar-Examen]</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1
Please type your name again.</source>
        <translation>%1
Escribe tu nombre otra vez, por favor.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Help File</source>
        <translation>Archivo de ayuda</translation>
    </message>
    <message>
        <source>No help available</source>
        <translation>No hay ayuda disponible</translation>
    </message>
    <message>
        <source>No help content</source>
        <translation>La ayuda no tiene contenido</translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>None found</source>
        <translation>No se ha encontrado nada</translation>
    </message>
    <message>
        <source>No more found</source>
        <translation>No se ha encontrado nada más</translation>
    </message>
    <message>
        <source>  Right click mouse (or F10) for menu options</source>
        <translation>  Clic derecho del ratón (o F10) para ver el menú</translation>
    </message>
    <message>
        <source>Help topics and text</source>
        <translation>Temas y texto de la ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de la ayuda</translation>
    </message>
    <message>
        <source>Heading band</source>
        <translation>Franja del título</translation>
    </message>
    <message>
        <source>Application Help</source>
        <translation>Ayuda del programa</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Estado de la ayuda</translation>
    </message>
    <message>
        <source>Find text	CTRL+F</source>
        <translation>Buscar texto	CTRL+F</translation>
    </message>
    <message>
        <source>Next	F3</source>
        <translation>Siguiente	F3</translation>
    </message>
    <message>
        <source>Prev	SHFT+F3</source>
        <translation>Anterior	MAYÚS+F3</translation>
    </message>
    <message>
        <source>Find cancel	Escape</source>
        <translation>Cancelar búsqueda	Esc</translation>
    </message>
    <message>
        <source>Expand topics</source>
        <translation>Desplegar temas</translation>
    </message>
    <message>
        <source>Collapse topics</source>
        <translation>Plegar temas</translation>
    </message>
    <message>
        <source>Print text	CTRL+P</source>
        <translation>Imprimir texto	CTRL+P</translation>
    </message>
    <message>
        <source>Print item	CTRL+P</source>
        <translation>Imprimir tema	CTRL+P</translation>
    </message>
</context>
<context>
    <name>LearnOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Learn for this number:</source>
        <translation>Tabla del:</translation>
    </message>
    <message>
        <source>Learn for this number</source>
        <translation>Tabla del número</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Elige una operación:</translation>
    </message>
    <message>
        <source>Show all answers</source>
        <translation>Ver todas las respuestas</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Learn Math Tables</source>
        <translation>Aprender las tablas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Aprender</translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Practicar</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Examen</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configurar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Ver la respuesta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Happy face: well done</source>
        <translation>Cara sonriente: ¡muy bien!</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Tiempo usado</translation>
    </message>
    <message>
        <source>Tallyburrow help</source>
        <translation>Ayuda de Tallyburrow</translation>
    </message>
</context>
<context>
    <name>MathTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Todo mezclado</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Mezcla Suma+Resta</translation>
    </message>
    <message>
        <source>Mix Mul+Div</source>
        <translation>Mezcla Mult+Div</translation>
    </message>
    <message>
        <source>Amount of time (mins):</source>
        <translation>Tiempo (minutos):</translation>
    </message>
    <message>
        <source>Amount of time in minutes</source>
        <translation>Tiempo en minutos</translation>
    </message>
    <message>
        <source>Choose one to test:</source>
        <translation>Elige el examen:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Examen de cálculo</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>OperationKind</name>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Suma/Resta</translation>
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
        <translation>Tallyburrow: resumen de la clase</translation>
    </message>
    <message>
        <source>Folder %1, printed %2</source>
        <extracomment>the data folder, then the day it was printed</extracomment>
        <translation>Carpeta %1, impreso el %2</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (no se puede leer)</translation>
    </message>
    <message>
        <source>%1 (damaged file)</source>
        <translation>%1 (archivo dañado)</translation>
    </message>
</context>
<context>
    <name>OverviewRow</name>
    <message>
        <source>%1 known</source>
        <extracomment>A column of the class overview: how many facts of the operation the child knows.</extracomment>
        <translation>%1: sabidas</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Exámenes</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Primer examen</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Último examen</translation>
    </message>
    <message>
        <source>%1 latest</source>
        <extracomment>A column of the class overview: the latest percent correct of the kind.</extracomment>
        <translation>%1: último</translation>
    </message>
    <message>
        <source>%1 best</source>
        <extracomment>A column of the class overview: the best percent correct of the kind.</extracomment>
        <translation>%1: mejor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>The folder cannot be found or opened.</source>
        <translation>No se encuentra la carpeta o no se puede abrir.</translation>
    </message>
    <message>
        <source>This folder holds no child files.</source>
        <translation>En esta carpeta no hay archivos de alumnos.</translation>
    </message>
    <message>
        <source>1 child.</source>
        <translation>1 alumno.</translation>
    </message>
    <message>
        <source>1 child, 1 file could not be read whole.</source>
        <translation>1 alumno; 1 archivo no se pudo leer entero.</translation>
    </message>
    <message numerus="yes">
        <source>%n children.</source>
        <translation>
            <numerusform>%n alumno.</numerusform>
            <numerusform>%n alumnos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children, 1 file could not be read whole.</source>
        <translation>
            <numerusform>%n alumno; 1 archivo no se pudo leer entero.</numerusform>
            <numerusform>%n alumnos; 1 archivo no se pudo leer entero.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 children, %n files could not be read whole.</source>
        <extracomment>%1 is the number of children, more than the files</extracomment>
        <translation>
            <numerusform>%1 alumnos; %n archivo no se pudo leer entero.</numerusform>
            <numerusform>%1 alumnos; %n archivos no se pudieron leer enteros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Children whose answers could not be read whole (&quot;?&quot;): %n.</source>
        <translation>
            <numerusform>Alumnos cuyas respuestas no se pudieron leer enteras («?»): %n.</numerusform>
            <numerusform>Alumnos cuyas respuestas no se pudieron leer enteras («?»): %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>%1 Counting the facts each child knows...</source>
        <translation>%1 Contando las operaciones que sabe cada alumno...</translation>
    </message>
    <message>
        <source>The map shows only the answers that could be read.
%1</source>
        <translation>El mapa muestra solo las respuestas que se pudieron leer.
%1</translation>
    </message>
    <message>
        <source>Tallyburrow class overview</source>
        <translation>Tallyburrow: resumen de la clase</translation>
    </message>
    <message>
        <source>Children in %1</source>
        <translation>Alumnos en %1</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>No se pudo guardar la tabla como %1.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>No se pudo imprimir la tabla.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file of %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de %1: %2.</translation>
    </message>
    <message>
        <source>Fluency &amp;map</source>
        <translation>&amp;Mapa de fluidez</translation>
    </message>
    <message>
        <source>Open &amp;Chart</source>
        <translation>Abrir el &amp;gráfico</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>PendingPdf</name>
    <message>
        <source>the PDF could not be written whole; the disk may be full, or the printer failed</source>
        <translation>no se pudo escribir el PDF entero; puede que el disco esté lleno o que haya fallado la impresora</translation>
    </message>
</context>
<context>
    <name>PracticeText</name>
    <message>
        <source>Learning for number%1  (%2)</source>
        <extracomment>%1 is the number with a space before it when not negative, %2 the operation</extracomment>
        <translation>Tabla del%1  (%2)</translation>
    </message>
    <message>
        <source>Drill Mode - %1</source>
        <translation>Modo práctica - %1</translation>
    </message>
    <message>
        <source>  (%1 correct out of%2)</source>
        <extracomment>%2 has a space before it when not negative</extracomment>
        <translation>  (%1 bien de%2)</translation>
    </message>
    <message>
        <source>Test Mode - %1  (%2 correct out of%3)</source>
        <extracomment>%1 the operation; %3 has a space before it when not negative</extracomment>
        <translation>Modo examen - %1  (%2 bien de%3)</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <extracomment>%1 has a space before it when not negative</extracomment>
        <translation>La respuesta correcta es: %1</translation>
    </message>
    <message>
        <source>%1 ? %2 equals</source>
        <translation>%1 ? %2 es</translation>
    </message>
    <message>
        <source>%1 plus %2 equals</source>
        <translation>%1 más %2 es</translation>
    </message>
    <message>
        <source>%1 minus %2 equals</source>
        <translation>%1 menos %2 es</translation>
    </message>
    <message>
        <source>%1 times %2 equals</source>
        <translation>%1 por %2 es</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals</source>
        <translation>%1 entre %2 es</translation>
    </message>
    <message>
        <source>%1 ? %2 equals %3</source>
        <translation>%1 ? %2 es %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 más %2 es %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 menos %2 es %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 por %2 es %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 entre %2 es %3</translation>
    </message>
    <message>
        <source>Test over: %1 correct out of %2</source>
        <translation>Fin del examen: %1 bien de %2</translation>
    </message>
    <message>
        <source>Facts to learn - %1</source>
        <translation>Operaciones por aprender - %1</translation>
    </message>
    <message>
        <source>Not quite: the answer is %1</source>
        <translation>Casi: la respuesta es %1</translation>
    </message>
    <message>
        <source>You know all these facts - well done!</source>
        <translation>¡Ya te sabes todas estas operaciones! ¡Muy bien!</translation>
    </message>
    <message>
        <source>Well done! Keep practising and you will know them all.</source>
        <translation>¡Muy bien! Sigue practicando y te las sabrás todas.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of facts goes on: the list so far, then the next fact</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You learned %1 today!</source>
        <extracomment>%1 is the list of facts learned, &quot;7 x 8 and 6 x 7&quot;</extracomment>
        <translation>¡Hoy has aprendido %1!</translation>
    </message>
    <message>
        <source>Enter --&gt; Begin</source>
        <translation>Intro --&gt; Empezar</translation>
    </message>
    <message>
        <source>Enter --&gt; Next</source>
        <translation>Intro --&gt; Siguiente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Space --&gt; Answer</source>
        <translation>Espacio --&gt; Respuesta</translation>
    </message>
    <message>
        <source>Correct answer - very good...</source>
        <translation>Respuesta correcta - muy bien...</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>*** WRONG ANSWER ***</source>
        <translation>*** RESPUESTA INCORRECTA ***</translation>
    </message>
    <message>
        <source>Time&apos;s up</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>Right! Next time faster.</source>
        <translation>¡Bien! La próxima vez, más rápido.</translation>
    </message>
    <message>
        <source>Type the number you see</source>
        <translation>Escribe el número que ves</translation>
    </message>
    <message>
        <source>All typed - thank you!</source>
        <translation>¡Todo escrito, gracias!</translation>
    </message>
    <message>
        <source>Typing check</source>
        <translation>Prueba de teclado</translation>
    </message>
    <message>
        <source>%1 correct out of %2</source>
        <translation>%1 bien de %2</translation>
    </message>
    <message>
        <source>Learning for number %1, %2</source>
        <translation>Tabla del %1, %2</translation>
    </message>
    <message>
        <source>Test Mode - %1, %2 correct out of %3</source>
        <translation>Examen - %1, %2 bien de %3</translation>
    </message>
</context>
<context>
    <name>PrintTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Mult</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Div</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Suma/Resta</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mult/Div</translation>
    </message>
    <message>
        <source>Test ID</source>
        <translation>ID de examen</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Número de copias</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Tipo de ejercicios</translation>
    </message>
    <message>
        <source>Answers to last page printed</source>
        <translation>Soluciones en la última página</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Print Test Pages</source>
        <translation>Imprimir hojas de examen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a problem type.
Choose one from the list.</source>
        <translation>«%1» no es un tipo de ejercicio.
Elija uno de la lista.</translation>
    </message>
</context>
<context>
    <name>PrintWhole</name>
    <message>
        <source>the printer reported an error</source>
        <translation>la impresora avisó de un error</translation>
    </message>
</context>
<context>
    <name>ProblemCount</name>
    <message>
        <source>Number of problems =%1</source>
        <extracomment>%1 is the count with a blank before it (&quot; 120&quot;)</extracomment>
        <translation>Número de ejercicios =%1</translation>
    </message>
</context>
<context>
    <name>ProgressReportWindow</name>
    <message>
        <source>Score history</source>
        <translation>Historial de resultados</translation>
    </message>
    <message>
        <source>Percent correct</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Correct / Total</source>
        <translation>Aciertos / Total</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Fluency map</source>
        <translation>&amp;Mapa de fluidez</translation>
    </message>
    <message>
        <source>Report Progress</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <source>Score history: no results yet</source>
        <translation>Historial de resultados: todavía no hay resultados</translation>
    </message>
    <message>
        <source>Score history: 1 result. %1</source>
        <extracomment>%1 is the first result&apos;s row, &quot;03-15-2006, Add 71.43&quot;</extracomment>
        <translation>Historial de resultados: 1 resultado. %1</translation>
    </message>
    <message numerus="yes">
        <source>Score history: %n results. %1</source>
        <translation>
            <numerusform>Historial de resultados: %n resultado. %1</numerusform>
            <numerusform>Historial de resultados: %n resultados. %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPrintDevice</name>
    <message>
        <source>The PDF could not be saved as %1.
(%2)</source>
        <translation>No se pudo guardar el PDF como %1.
(%2)</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Error de impresora</translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Add </source>
        <translation>Suma </translation>
    </message>
    <message>
        <source>Sub </source>
        <translation>Resta </translation>
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
        <translation>Mezcla </translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Suma/Resta</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mult/Div</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s heading, then its result</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>ResultArchive</name>
    <message>
        <source>it is not a Tallyburrow archive</source>
        <translation>no es un archivo histórico de Tallyburrow</translation>
    </message>
    <message>
        <source>the archive %1 cannot be read: %2</source>
        <translation>no se puede leer el archivo histórico %1: %2</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Test%1 Results</source>
        <extracomment>%1 is the number of tests with a blank before it (&quot; 4&quot;)</extracomment>
        <translation>Resultados del examen%1</translation>
    </message>
    <message>
        <source>Percent correct = %1
%2 Correct out of%3</source>
        <extracomment>%2 and %3 are counts with a blank before each (&quot; 17&quot;, &quot; 20&quot;)</extracomment>
        <translation>Porcentaje de aciertos = %1
Aciertos:%2 de%3</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Problems with wrong answers:</source>
        <translation>Ejercicios con error:</translation>
    </message>
    <message>
        <source>Problems with wrong answers</source>
        <translation>Ejercicios con error</translation>
    </message>
    <message>
        <source>Ans:</source>
        <translation>Resp.:</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 sin respuesta</translation>
    </message>
    <message>
        <source>First: %1, correct answer %2</source>
        <translation>Primer error: %1; la respuesta correcta es %2</translation>
    </message>
</context>
<context>
    <name>SaveScoreDialog</name>
    <message>
        <source>Save Test Score</source>
        <translation>Guardar la nota del examen</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Fecha del examen</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Tipo de ejercicios</translation>
    </message>
    <message>
        <source>Number correct</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Number of problems</source>
        <translation>Número de ejercicios</translation>
    </message>
    <message>
        <source>Correct out of:</source>
        <translation>Aciertos de:</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>The number of problems must be a whole number from 0 to %1.</source>
        <translation>El número de ejercicios debe ser un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>The number correct must be a whole number from 0 to %1.</source>
        <translation>El número de aciertos debe ser un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Mult</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Div</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Suma/Resta</translation>
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
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>Results of %1 that were not saved lie in
%2
but cannot be read (%3). The file is left as it is.</source>
        <translation>Hay resultados de %1 sin guardar en
%2
pero no se pueden leer (%3). El archivo se deja como está.</translation>
    </message>
    <message>
        <source>%1 test result(s)</source>
        <translation>%1 resultado(s) de examen</translation>
    </message>
    <message>
        <source>the number ranges or problems per minute from Config</source>
        <translation>los rangos de números o los ejercicios por minuto de Configurar</translation>
    </message>
    <message>
        <source>the last Learn choice</source>
        <translation>la última elección en Aprender</translation>
    </message>
    <message>
        <source>Tallyburrow was closed before these results of %1 were saved:

%2

They are from the session that began on %3 at %4 on the computer %5.
Keep them in %1&apos;s file?</source>
        <translation>Tallyburrow se cerró antes de guardar estos resultados de %1:

%2

Son de la sesión que empezó el %3 a las %4 en el ordenador %5.
¿Guardarlos en el archivo de %1?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it does not hold a Test ID number the program can use</source>
        <translation>no contiene un ID de examen que el programa pueda usar</translation>
    </message>
    <message>
        <source>The settings file
%1
cannot be read (%2).

It holds the highest Test ID printed so far, so new test pages may repeat an earlier Test ID. The file is left as it is.</source>
        <translation>No se puede leer el archivo de configuración
%1
(%2).

Guarda el ID de examen más alto impreso hasta ahora, así que las nuevas hojas de examen podrían repetir un ID de examen anterior. El archivo se deja como está.</translation>
    </message>
</context>
<context>
    <name>SpokenPractice</name>
    <message>
        <source>Press Enter to begin</source>
        <translation>Pulsa Intro para empezar</translation>
    </message>
    <message>
        <source>Press Enter to stop</source>
        <translation>Pulsa Intro para parar</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Tiempo usado: %1 de %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>queda 1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes left</source>
        <translation>quedan %1 minutos</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>not a Tallyburrow child file</source>
        <translation>no es un archivo de alumno de Tallyburrow</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>el archivo está incompleto</translation>
    </message>
    <message>
        <source>the file is cut short: %1 of %2 results could be read</source>
        <translation>el archivo está incompleto: se pudieron leer %1 de %2 resultados</translation>
    </message>
    <message>
        <source>its first bytes are not those of a Tallyburrow child file; %1 results behind them could be read</source>
        <translation>sus primeros bytes no son los de un archivo de alumno de Tallyburrow; se pudieron leer %1 resultados que venían detrás</translation>
    </message>
    <message>
        <source>it is not a Tallyburrow child file</source>
        <translation>no es un archivo de alumno de Tallyburrow</translation>
    </message>
</context>
<context>
    <name>StudentName</name>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Un nombre no puede tener caracteres de control.</translation>
    </message>
    <message>
        <source>A name cannot contain any of these characters: / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Un nombre no puede tener ninguno de estos caracteres: / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name is too long. Please type a shorter name.</source>
        <translation>Este nombre es demasiado largo. Escribe uno más corto, por favor.</translation>
    </message>
    <message>
        <source>A name cannot end with a blank.</source>
        <translation>Un nombre no puede terminar con un espacio.</translation>
    </message>
    <message>
        <source>This name is reserved by the computer. Please choose another name.</source>
        <translation>El ordenador no permite este nombre. Elige otro, por favor.</translation>
    </message>
</context>
<context>
    <name>StudentOpening</name>
    <message>
        <source>Take over</source>
        <translation>Tomar el control</translation>
    </message>
    <message>
        <source>Choose another name</source>
        <translation>Elegir otro nombre</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Resultados sin guardar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The results are kept, but could not be saved in
%1
(%2)

They are saved at quit, or offered again next time.</source>
        <translation>Los resultados se conservan, pero no se pudieron guardar en
%1
(%2)

Se guardarán al salir o se ofrecerán otra vez la próxima vez.</translation>
    </message>
    <message>
        <source>The other copy&apos;s lock could not be taken over: the results are kept and saved once it has closed.</source>
        <translation>No se pudo tomar el control de la otra copia: los resultados se conservan y se guardarán cuando esa copia se cierre.</translation>
    </message>
</context>
<context>
    <name>StudentSession</name>
    <message>
        <source>the file could not be read when it was opened</source>
        <translation>no se pudo leer el archivo al abrirlo</translation>
    </message>
    <message>
        <source>it is open in another copy of Tallyburrow</source>
        <translation>está abierto en otra copia de Tallyburrow</translation>
    </message>
    <message>
        <source>Results are damaged</source>
        <translation>Resultados dañados</translation>
    </message>
    <message>
        <source>Results cannot be opened</source>
        <translation>No se pueden abrir los resultados</translation>
    </message>
    <message>
        <source>Go on without saving</source>
        <translation>Seguir sin guardar</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <translation>el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>Already open</source>
        <translation>Ya está abierto</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Abrir en solo lectura</translation>
    </message>
    <message>
        <source>The results of %1 cannot be opened:
%2
(%3)

The file is left as it is. You can go on without saving in it (today&apos;s results are kept beside it, and added once it can be read), or choose another name.</source>
        <translation>No se pueden abrir los resultados de %1:
%2
(%3)

El archivo se deja como está. Puedes seguir sin guardar en él (los resultados de hoy se guardan aparte y se añadirán cuando se pueda leer) o elegir otro nombre.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow.</source>
        <translation>El archivo de %1 ya está abierto en otra copia de Tallyburrow.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2.</source>
        <translation>El archivo de %1 ya está abierto en otra copia de Tallyburrow en el ordenador %2.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow since %2 at %3.</source>
        <translation>El archivo de %1 está abierto en otra copia de Tallyburrow desde el %2 a las %3.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2 since %3 at %4.</source>
        <translation>El archivo de %1 está abierto en otra copia de Tallyburrow en el ordenador %2 desde el %3 a las %4.</translation>
    </message>
    <message>
        <source>%1
(The lock file is %2.)

You can open it read-only (results are kept and saved once the other copy has closed), or choose another name.</source>
        <translation>%1
(El archivo de bloqueo es %2.)

Puedes abrirlo en solo lectura (los resultados se conservan y se guardarán cuando la otra copia se cierre) o elegir otro nombre.</translation>
    </message>
    <message>
        <source>If no copy of Tallyburrow has %1 open any more (the other computer was switched off, say), you can take it over.</source>
        <translation>Si ya ninguna copia de Tallyburrow tiene abierto el archivo de %1 (por ejemplo, porque el otro ordenador se apagó), puedes tomar el control.</translation>
    </message>
</context>
<context>
    <name>TestOptionsDialog</name>
    <message>
        <source>Take test on computer</source>
        <translation>Examen en pantalla</translation>
    </message>
    <message>
        <source>Print test pages</source>
        <translation>Imprimir examen</translation>
    </message>
    <message>
        <source>Report printed test</source>
        <translation>Anotar examen impreso</translation>
    </message>
    <message>
        <source>Test Options</source>
        <translation>Opciones de examen</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Test No.%1 - %2</source>
        <extracomment>%1 is the test&apos;s number with a space before it when not negative, %2 the problem type</extracomment>
        <translation>Examen n.º%1 - %2</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Examen de cálculo</translation>
    </message>
</context>
<context>
    <name>cTPrint</name>
    <message>
        <source>Document printing error</source>
        <translation>Error al imprimir el documento</translation>
    </message>
    <message>
        <source>Page printing error</source>
        <translation>Error al imprimir la página</translation>
    </message>
    <message>
        <source>Unspecified printer error</source>
        <translation>Error de impresora desconocido</translation>
    </message>
</context>
</TS>
