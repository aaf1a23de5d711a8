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
        <source>This example was not learnt: the General boundary would need more than 30 rows.</source>
        <translation>Este ejemplo no se aprendió: el límite general necesitaría más de 30 filas.</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than 30 rows.</source>
        <translation>Este ejemplo no se aprendió: el espacio de versiones necesitaría más de 30 filas.</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than 32766 examples can be learnt. Press Clear to start again.</source>
        <translation>Este ejemplo no se aprendió: no se pueden aprender más de 32766 ejemplos. Pulse «Limpiar» para empezar de nuevo.</translation>
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
        <source>Next press</source>
        <translation>Siguiente pulsación</translation>
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
        <source>Opened %1: %2 presses to play.</source>
        <translation>Se abrió %1: %2 pulsaciones por reproducir.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>No se abrió %1: %2</translation>
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
