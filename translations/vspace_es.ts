<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessible name</name>
    <message>
        <source>Training value %1</source>
        <translation>Valor de entrenamiento %1</translation>
    </message>
    <message>
        <source>Unseen value %1</source>
        <translation>Valor nuevo %1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>Específico</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>Datos de aprendizaje</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>Espacio de versiones</translation>
    </message>
    <message>
        <source>Row %1 of %2</source>
        <translation>Fila %1 de %2</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Valor %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>The textbook&apos;s G also has %1.</source>
        <translation>El G del libro de texto también tiene %1.</translation>
    </message>
    <message>
        <source>The program&apos;s G also has %1.</source>
        <translation>El G del programa también tiene %1.</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space also has %1.</source>
        <translation>El espacio de versiones del libro de texto también tiene %1.</translation>
    </message>
    <message>
        <source>The program&apos;s version space also has %1.</source>
        <translation>El espacio de versiones del programa también tiene %1.</translation>
    </message>
    <message>
        <source>The program&apos;s row %1 contradicts example %2, %3.</source>
        <translation>La fila %1 del programa contradice el ejemplo %2, %3.</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space votes %1 of %2 for it, the program&apos;s %3 of %4.</source>
        <translation>En el espacio de versiones del libro de texto votan a favor %1 de %2; en el del programa, %3 de %4.</translation>
    </message>
    <message>
        <source>The textbook learner has no consistent hypothesis left; the program&apos;s learner goes on, and may recover.</source>
        <translation>Al aprendiz del libro de texto no le queda ninguna hipótesis coherente; el aprendiz del programa continúa y puede recuperarse.</translation>
    </message>
    <message>
        <source>The two learners differed after %1 of %2 presses; the first was press %3.</source>
        <translation>Los dos aprendices difirieron tras %1 de %2 pulsaciones; la primera fue la pulsación %3.</translation>
    </message>
    <message>
        <source>The two learners agreed after every press.</source>
        <translation>Los dos aprendices coincidieron tras cada pulsación.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Concept Learning Tutor</source>
        <translation>Tutor de aprendizaje de conceptos</translation>
    </message>
    <message>
        <source>Watch candidate elimination narrow the version space, example by example</source>
        <translation>Observe cómo la eliminación de candidatos reduce el espacio de versiones, ejemplo a ejemplo</translation>
    </message>
    <message>
        <source>Learn concepts by candidate elimination, one example at a time</source>
        <translation>Aprenda conceptos por eliminación de candidatos, un ejemplo tras otro</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>Positive example %1.</source>
        <translation>Ejemplo positivo %1.</translation>
    </message>
    <message>
        <source>Negative example %1.</source>
        <translation>Ejemplo negativo %1.</translation>
    </message>
    <message>
        <source>G loses what rejects it: %1.</source>
        <translation>G pierde lo que lo rechaza: %1.</translation>
    </message>
    <message>
        <source>G loses what accepts it: %1.</source>
        <translation>G pierde lo que lo acepta: %1.</translation>
    </message>
    <message>
        <source>G loses what another of its rows is more general than: %1.</source>
        <translation>G pierde aquello respecto de lo cual otra de sus filas es más general: %1.</translation>
    </message>
    <message>
        <source>S rules it out at attribute %1, so G gains %2.</source>
        <translation>S lo descarta en el atributo %1, así que G gana %2.</translation>
    </message>
    <message>
        <source>S rules it out at attributes %1, so G gains %2.</source>
        <translation>S lo descarta en los atributos %1, así que G gana %2.</translation>
    </message>
    <message>
        <source>S is unchanged.</source>
        <translation>S no cambia.</translation>
    </message>
    <message>
        <source>S becomes the example.</source>
        <translation>S pasa a ser el ejemplo.</translation>
    </message>
    <message>
        <source>S becomes %1: attribute %2 no longer matters.</source>
        <translation>S pasa a ser %1: el atributo %2 ya no importa.</translation>
    </message>
    <message>
        <source>S becomes %1: attributes %2 no longer matter.</source>
        <translation>S pasa a ser %1: los atributos %2 ya no importan.</translation>
    </message>
    <message>
        <source>S rules it out at %1, so G gains %2.</source>
        <translation>S lo descarta en %1, así que G gana %2.</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matters.</source>
        <translation>S pasa a ser %1: %2 ya no importa.</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matter.</source>
        <translation>S pasa a ser %1: %2 ya no importan.</translation>
    </message>
    <message>
        <source>There is no version space yet.</source>
        <translation>Todavía no hay espacio de versiones.</translation>
    </message>
    <message>
        <source>The version space has one row.</source>
        <translation>El espacio de versiones tiene una fila.</translation>
    </message>
    <message>
        <source>The version space has %1 rows.</source>
        <translation>El espacio de versiones tiene %1 filas.</translation>
    </message>
    <message>
        <source>G is empty: no hypothesis is consistent with the learning data.</source>
        <translation>G está vacío: ninguna hipótesis es coherente con los datos de aprendizaje.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data any more: G, S and the version space stay empty until Clear.</source>
        <translation>Ya ninguna hipótesis es coherente con los datos de aprendizaje: G, S y el espacio de versiones quedan vacíos hasta «Limpiar».</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data: the example changes nothing until Clear.</source>
        <translation>Ninguna hipótesis es coherente con los datos de aprendizaje: el ejemplo no cambia nada hasta «Limpiar».</translation>
    </message>
    <message>
        <source>Example %1 repeats example %2: nothing changes.</source>
        <translation>El ejemplo %1 repite el ejemplo %2: nada cambia.</translation>
    </message>
    <message>
        <source>Not learnt: G would need %1 rows, more than %2.</source>
        <translation>No aprendido: G necesitaría %1 filas, más de %2.</translation>
    </message>
    <message>
        <source>Not learnt: the version space would need %1 rows, more than %2.</source>
        <translation>No aprendido: el espacio de versiones necesitaría %1 filas, más de %2.</translation>
    </message>
    <message>
        <source>Not learnt: no more than %1 examples can be learnt.</source>
        <translation>No aprendido: no se pueden aprender más de %1 ejemplos.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is positive.</source>
        <translation>%1 de %2 hipótesis lo aceptan, así que la respuesta es positiva.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is negative.</source>
        <translation>%1 de %2 hipótesis lo aceptan, así que la respuesta es negativa.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is undecided.</source>
        <translation>%1 de %2 hipótesis lo aceptan, así que la respuesta queda indecisa.</translation>
    </message>
    <message>
        <source>The version space&apos;s one row accepts it, so the answer is positive.</source>
        <translation>La única fila del espacio de versiones lo acepta, así que la respuesta es positiva.</translation>
    </message>
    <message>
        <source>The version space&apos;s one row rejects it, so the answer is negative.</source>
        <translation>La única fila del espacio de versiones lo rechaza, así que la respuesta es negativa.</translation>
    </message>
    <message>
        <source>There is no version space to vote yet.</source>
        <translation>Todavía no hay espacio de versiones que vote.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data, so there is nothing to vote.</source>
        <translation>Ninguna hipótesis es coherente con los datos de aprendizaje, así que nada vota.</translation>
    </message>
    <message>
        <source>Gen Text writes the version space to the hypothesis file.</source>
        <translation>«Gen Text» escribe el espacio de versiones en el archivo de hipótesis.</translation>
    </message>
    <message>
        <source>Clear forgets every example: G and S are as at the start.</source>
        <translation>«Limpiar» olvida todos los ejemplos: G y S quedan como al principio.</translation>
    </message>
    <message>
        <source>Exit ends the session.</source>
        <translation>«Salir» termina la sesión.</translation>
    </message>
    <message>
        <source>Negative is greyed until the first positive example: nothing happens.</source>
        <translation>«Negativo» está en gris hasta el primer ejemplo positivo: no pasa nada.</translation>
    </message>
    <message>
        <source>Negative example %1 comes before the first positive one: the program&apos;s learner ignores it, as Negative is greyed; the textbook learner holds it and learns it right after the first positive example.</source>
        <translation>El ejemplo negativo %1 llega antes del primer positivo: el aprendiz del programa lo ignora, pues «Negativo» está en gris; el aprendiz del libro lo guarda y lo aprende justo después del primer ejemplo positivo.</translation>
    </message>
    <message>
        <source>Next, the textbook learner learns the negative example it held:</source>
        <translation>Después, el aprendiz del libro aprende el ejemplo negativo que guardaba:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>… and %1 more rows, not listed here; Gen Text writes them all</source>
        <translation>… y %1 filas más, no listadas aquí; «Gen Text» las escribe todas</translation>
    </message>
    <message>
        <source>Undo takes the last action back.</source>
        <translation>Deshacer anula la última acción.</translation>
    </message>
    <message>
        <source>Redo does the action undone again.</source>
        <translation>Rehacer vuelve a hacer la acción deshecha.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>No hay nada que rehacer.</translation>
    </message>
    <message>
        <source>Right: S and G are as you wrote them.</source>
        <translation>Correcto: S y G son como los ha escrito.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, %3 missing.</source>
        <translation>%1 correctas, %2 incorrectas, %3 faltan.</translation>
    </message>
    <message>
        <source>The exercise is put away: the example is not learnt.</source>
        <translation>El ejercicio se ha retirado: el ejemplo no se aprende.</translation>
    </message>
    <message>
        <source>%1 is not the next S.</source>
        <translation>%1 no es el siguiente S.</translation>
    </message>
    <message>
        <source>%1 leaves G: it rejects the positive example.</source>
        <translation>%1 sale de G: rechaza el ejemplo positivo.</translation>
    </message>
    <message>
        <source>%1 leaves G: it accepts the negative example.</source>
        <translation>%1 sale de G: acepta el ejemplo negativo.</translation>
    </message>
    <message>
        <source>%1 leaves G: another of its rows is more general than it.</source>
        <translation>%1 sale de G: otra de sus filas es más general.</translation>
    </message>
    <message>
        <source>%1 stays in G: it accepts the positive example.</source>
        <translation>%1 sigue en G: acepta el ejemplo positivo.</translation>
    </message>
    <message>
        <source>%1 stays in G: it rejects the negative example.</source>
        <translation>%1 sigue en G: rechaza el ejemplo negativo.</translation>
    </message>
    <message>
        <source>%1 is in the next G.</source>
        <translation>%1 está en el siguiente G.</translation>
    </message>
    <message>
        <source>%1 comes from %2: S's value %3 at %4 rules out the negative example.</source>
        <translation>%1 viene de %2: el valor %3 de S en %4 descarta el ejemplo negativo.</translation>
    </message>
    <message>
        <source>attribute %1</source>
        <translation>el atributo %1</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it rejects the positive example.</source>
        <translation>%1 no puede estar en G: rechaza el ejemplo positivo.</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it accepts the negative example.</source>
        <translation>%1 no puede estar en G: acepta el ejemplo negativo.</translation>
    </message>
    <message>
        <source>%1 is not in the next G: no row of G becomes it on this example.</source>
        <translation>%1 no está en el siguiente G: ninguna fila de G se convierte en ella con este ejemplo.</translation>
    </message>
    <message>
        <source>%1 is written twice.</source>
        <translation>%1 está escrita dos veces.</translation>
    </message>
</context>
<context>
    <name>Export failure</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>no se pudo crear la carpeta %1</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist</source>
        <translation>%1 es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s link in a folder shared by all users</source>
        <translation>%1 es un enlace de otro usuario en una carpeta compartida por todos los usuarios</translation>
    </message>
    <message>
        <source>the desktop folder is unknown: HOME is not an absolute path</source>
        <translation>no se conoce la carpeta del escritorio: HOME no es una ruta absoluta</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Data not correct</source>
        <translation>Datos incorrectos</translation>
    </message>
    <message>
        <source>Duplicate Data</source>
        <translation>Datos duplicados</translation>
    </message>
    <message>
        <source>Cannot Learn</source>
        <translation>No se puede aprender</translation>
    </message>
    <message>
        <source>This example was not learnt: the General boundary would need more than %1 rows.</source>
        <translation>Este ejemplo no se aprendió: el límite general necesitaría más de %1 filas.</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than %1 rows.</source>
        <translation>Este ejemplo no se aprendió: el espacio de versiones necesitaría más de %1 filas.</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than %1 examples can be learnt. Press Clear to start again.</source>
        <translation>Este ejemplo no se aprendió: no se pueden aprender más de %1 ejemplos. Pulse «Limpiar» para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Cannot Predict</source>
        <translation>No se puede predecir</translation>
    </message>
    <message>
        <source>Please input Data to Learning Before Predicting Unseen Data</source>
        <translation>Introduzca datos de aprendizaje antes de predecir datos nuevos.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data</source>
        <translation>Ninguna hipótesis es coherente con los datos de aprendizaje</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Your Data is Positive , Result is +</source>
        <translation>Sus datos son positivos, el resultado es +</translation>
    </message>
    <message>
        <source>Your Data is Negative ,Result is -</source>
        <translation>Sus datos son negativos, el resultado es -</translation>
    </message>
    <message>
        <source>I can&apos;t Predict It ,Result is 0</source>
        <translation>No puedo predecirlo, el resultado es 0</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>Archivo de texto</translation>
    </message>
    <message>
        <source>Your TextFile Generate in Desktop is Hypothesis.txt</source>
        <translation>Su archivo de texto en el escritorio es Hypothesis.txt</translation>
    </message>
    <message>
        <source>The hypothesis file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo de hipótesis %1: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Diagram</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Version space diagram</source>
        <translation>Diagrama del espacio de versiones</translation>
    </message>
    <message>
        <source>Open session</source>
        <translation>Abrir sesión</translation>
    </message>
    <message>
        <source>Play to end</source>
        <translation>Reproducir hasta el final</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>vspace has ended</source>
        <translation>vspace ha terminado</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Back to the lesson</source>
        <translation>Volver a la lección</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>No se abrió %1: %2</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Textbook</source>
        <translation>Libro de texto</translation>
    </message>
    <message>
        <source>Suggest example</source>
        <translation>Sugerir ejemplo</translation>
    </message>
    <message>
        <source>Suggested %1: %2 of %3 hypotheses accept it.</source>
        <translation>Sugerido %1: lo aceptan %2 de %3 hipótesis.</translation>
    </message>
    <message>
        <source>No instance made of the values learnt splits the version space.</source>
        <translation>Ninguna instancia formada con los valores aprendidos divide el espacio de versiones.</translation>
    </message>
    <message>
        <source>The program&apos;s learner and the textbook learner differ:</source>
        <translation>El aprendiz del programa y el del libro de texto difieren:</translation>
    </message>
    <message>
        <source>added by the last press</source>
        <translation>añadida por la última pulsación</translation>
    </message>
    <message>
        <source>S, the specific boundary</source>
        <translation>S, el límite específico</translation>
    </message>
    <message>
        <source>G, the general boundary</source>
        <translation>G, el límite general</translation>
    </message>
    <message>
        <source>The version space between them</source>
        <translation>El espacio de versiones entre ambos</translation>
    </message>
    <message>
        <source>S: %1. G: %2. The version space: %3.</source>
        <translation>S: %1. G: %2. El espacio de versiones: %3.</translation>
    </message>
    <message>
        <source>&amp;Next press</source>
        <translation>Siguie&amp;nte pulsación</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n presses to play.</source>
        <translation>
            <numerusform>Se abrió %1: %n pulsación por reproducir.</numerusform>
            <numerusform>Se abrió %1: %n pulsaciones por reproducir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Playing the session</source>
        <translation>Reproduciendo la sesión</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n presses played</source>
        <translation>
            <numerusform>%1 de %n pulsación reproducida</numerusform>
            <numerusform>%1 de %n pulsaciones reproducidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %1? The %n examples learnt are set aside; Undo brings them back.</source>
        <translation>
            <numerusform>¿Abrir %1? El ejemplo aprendido se aparta; «Deshacer» lo recupera.</numerusform>
            <numerusform>¿Abrir %1? Los %n ejemplos aprendidos se apartan; «Deshacer» los recupera.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>the file holds no presses</source>
        <translation>el archivo no contiene pulsaciones</translation>
    </message>
    <message>
        <source>%1 more hypotheses of the version space are not drawn</source>
        <translation>%1 hipótesis más del espacio de versiones no se dibujan</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>Earlier messages, not listed here: %1</source>
        <translation>Mensajes anteriores, no mostrados aquí: %1</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Presentar</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Attributes…</source>
        <translation>Atributos…</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>How many attributes the instances have, from 1 to 16, and their names; this browser keeps them. Empty fields leave attributes unnamed. Another number starts afresh, and Undo takes it back.</source>
        <translation>Cuántos atributos tienen las instancias, de 1 a 16, y sus nombres; este navegador los guarda. Los campos vacíos dejan atributos sin nombre. Otro número empieza de nuevo, y Deshacer lo revierte.</translation>
    </message>
    <message>
        <source>Attribute %1</source>
        <translation>Atributo %1</translation>
    </message>
    <message>
        <source>Number of attributes</source>
        <translation>Número de atributos</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>How %1 is read: what each column holds, and the words that label examples besides +, -, positive, negative, yes, no, true, false, 1 and 0. This browser keeps the choice for this file.</source>
        <translation>Cómo se lee %1: qué contiene cada columna y las palabras que etiquetan ejemplos además de +, -, positive, negative, yes, no, true, false, 1 y 0. Este navegador guarda la elección para este archivo.</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Atributo</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Example names</source>
        <translation>Nombres de los ejemplos</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Positive words (commas between)</source>
        <translation>Palabras positivas (separadas por comas)</translation>
    </message>
    <message>
        <source>Negative words (commas between)</source>
        <translation>Palabras negativas (separadas por comas)</translation>
    </message>
    <message>
        <source>Training value %1: %2</source>
        <translation>Valor de entrenamiento %1: %2</translation>
    </message>
    <message>
        <source>Unseen value %1: %2</source>
        <translation>Valor nuevo %1: %2</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Atributos: %1</translation>
    </message>
    <message>
        <source>the example could not be loaded</source>
        <translation>no se pudo cargar el ejemplo</translation>
    </message>
    <message>
        <source>the page ran out of memory: the rest of the session was not played</source>
        <translation>la página se quedó sin memoria: el resto de la sesión no se reprodujo</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>Guardar sesión</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>The lesson link</source>
        <translation>El enlace de la lección</translation>
    </message>
    <message>
        <source>Link copied: %1 characters.</source>
        <translation>Enlace copiado: %1 caracteres.</translation>
    </message>
    <message>
        <source>The address bar holds the link: %1 characters.</source>
        <translation>La barra de direcciones contiene el enlace: %1 caracteres.</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>está dañado o cortado</translation>
    </message>
    <message>
        <source>it was made by a newer version of vspace</source>
        <translation>se creó con una versión más reciente de vspace</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>Lesson report</source>
        <translation>Informe de la lección</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Before it is shown: what do S and G become? Write them a row at a time, a value in each field.</source>
        <translation>Antes de que se muestre: ¿en qué se convierten S y G? Escríbalos fila a fila, un valor en cada campo.</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Añadir una fila</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Mostrar la respuesta</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>Rows missing: %1</source>
        <translation>Filas que faltan: %1</translation>
    </message>
    <message>
        <source>Steps answered right: %1 of %2</source>
        <translation>Pasos respondidos bien: %1 de %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 presses. After each: S, the specific boundary; G, the general boundary; the version space between them; the example added to the learning data, which is listed whole at the end. %2 and %3 rows are marked. The version space is drawn after each press that changed it. Each press is explained, and where the program&apos;s learner and the textbook learner differ, a note says how.</source>
        <translation>Pulsaciones: %1. Tras cada una: S, el límite específico; G, el límite general; el espacio de versiones entre ambos; el ejemplo añadido a los datos de aprendizaje, que se listan completos al final. Las filas %2 y %3 están marcadas. El espacio de versiones se dibuja tras cada pulsación que lo cambió. Cada pulsación se explica y, donde el aprendiz del programa y el del libro de texto difieren, una nota dice cómo.</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>añadidas</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>quitadas</translation>
    </message>
    <message>
        <source>At the start, S is %1, G is %2 and the version space is %3.</source>
        <translation>Al principio, S es %1, G es %2 y el espacio de versiones es %3.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>For length, only the last %1 of the %2 drawings are drawn; the earlier ones are left out.</source>
        <translation>Por extensión, solo se dibujan los últimos %1 de los %2 dibujos; los anteriores se omiten.</translation>
    </message>
    <message>
        <source>Each hypothesis of S (green), G (yellow) and the version space, joined to those directly more general than it.</source>
        <translation>Cada hipótesis de S (verde), G (amarillo) y el espacio de versiones, unida a las directamente más generales que ella.</translation>
    </message>
    <message>
        <source>The learning data at the end</source>
        <translation>Los datos de aprendizaje al final</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Pulsación %1: %2</translation>
    </message>
    <message>
        <source>Training instance</source>
        <translation>Instancia de entrenamiento</translation>
    </message>
    <message>
        <source>Unseen instance</source>
        <translation>Instancia nueva</translation>
    </message>
    <message>
        <source>Message %1</source>
        <translation>Mensaje %1</translation>
    </message>
    <message>
        <source>S (Specific)</source>
        <translation>S (específico)</translation>
    </message>
    <message>
        <source>G (General)</source>
        <translation>G (general)</translation>
    </message>
    <message>
        <source>Version space</source>
        <translation>Espacio de versiones</translation>
    </message>
    <message>
        <source>Learning data</source>
        <translation>Datos de aprendizaje</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>The attributes: %1.</source>
        <translation>Los atributos: %1.</translation>
    </message>
    <message>
        <source>(1 row)</source>
        <translation>(1 fila)</translation>
    </message>
    <message>
        <source>(%1 rows)</source>
        <translation>(%1 filas)</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(sin cambios)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>(Graphviz could not lay out the diagram.)</source>
        <translation>(Graphviz no pudo disponer el diagrama.)</translation>
    </message>
    <message>
        <source>(Graphviz could not draw the diagram.)</source>
        <translation>(Graphviz no pudo dibujar el diagrama.)</translation>
    </message>
    <message>
        <source>(This build of vspace-replay draws no diagrams.)</source>
        <translation>(Esta versión de vspace-replay no dibuja diagramas.)</translation>
    </message>
    <message>
        <source>vspace worksheet: %1</source>
        <translation>Hoja de trabajo de vspace: %1</translation>
    </message>
    <message>
        <source>After each example, write S and G as the program's learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>Después de cada ejemplo, escriba S y G como los tiene el aprendiz del programa; después de cada predicción, el voto. La clave de respuestas sigue.</translation>
    </message>
    <message>
        <source>After each example, write S and G as the textbook learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>Después de cada ejemplo, escriba S y G como los tiene el aprendiz del libro de texto; después de cada predicción, el voto. La clave de respuestas sigue.</translation>
    </message>
    <message>
        <source>Positive, negative or undecided?</source>
        <translation>¿Positivo, negativo o indeciso?</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Clave de respuestas</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Predecir</translation>
    </message>
    <message>
        <source>Gen Text</source>
        <translation>Generar texto</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpiar</translation>
    </message>
    <message>
        <source>Unseen Data</source>
        <translation>Datos nuevos</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>Datos de aprendizaje</translation>
    </message>
    <message>
        <source>Hypothesis</source>
        <translation>Hipótesis</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>Espacio de versiones</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>Específico</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
</context>
</TS>
